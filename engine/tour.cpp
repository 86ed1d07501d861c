#include "engine/tour.h"

#include "common/text_to_int.h"

std::string TourOf(const std::string& hourText, const std::string& startHourText) {
  const long long difference =
      static_cast<long long>(TextToInt(hourText)) - TextToInt(startHourText);
  return difference >= 2 ? "Two" : "One";
}
