#include "reports/band_order.h"

#include <utility>

namespace {
constexpr size_t kKeyLength = 20;
}  // namespace

std::string BandSortKey(const std::string& band) {
  if (band.size() >= kKeyLength) return band;
  return std::string(kKeyLength - band.size(), '0') + band;
}

void SortBandsDescending(CStringArray& bands) {
  const int count = bands.GetSize();
  for (int i = 0; i + 1 < count; ++i) {
    for (int j = i + 1; j < count; ++j) {
      if (BandSortKey(bands[i]) < BandSortKey(bands[j])) std::swap(bands[i], bands[j]);
    }
  }
}
