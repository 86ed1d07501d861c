#include "reports/band_order.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CStringArray ListOf(const std::vector<std::string>& texts) {
  CStringArray list;
  for (const std::string& text : texts) list.Add(text);
  return list;
}

TEST(BandOrder, KeyPadsWithZerosToTwentyCharacters) {
  EXPECT_EQ(BandSortKey("80m"), "0000000000000000080m");
  EXPECT_EQ(BandSortKey(""), std::string(20, '0'));
  EXPECT_EQ(BandSortKey("abcdefghijklmnopqrs"), "0abcdefghijklmnopqrs");
  EXPECT_EQ(BandSortKey("abcdefghijklmnopqrst"), "abcdefghijklmnopqrst");
  EXPECT_EQ(BandSortKey("abcdefghijklmnopqrstuv"), "abcdefghijklmnopqrstuv");
}

TEST(BandOrder, SortsDescendingByKey) {
  const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
      {{"40m", "160m", "80m"}, {"160m", "80m", "40m"}},
      {{"80m", "40m", "160m"}, {"160m", "80m", "40m"}},
      {{"40m", "80M", "80m", "160M"}, {"160M", "80m", "80M", "40m"}},
      {{"40m"}, {"40m"}},
      {{}, {}},
      // A key of 20 or more characters is the text itself, so letters beat the padding.
      {{"80m", "a-very-long-band-text", "Z"}, {"a-very-long-band-text", "80m", "Z"}},
      {{"40m", "4\xC0m", "80m"}, {"80m", "4\xC0m", "40m"}},  // bytes compare unsigned
  };
  for (const auto& [input, expected] : cases) {
    CStringArray bands = ListOf(input);
    SortBandsDescending(bands);
    EXPECT_EQ(std::vector<std::string>(bands.begin(), bands.end()), expected);
  }
}

}  // namespace
