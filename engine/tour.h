#pragma once

#include <string>

// The tour of a QSO: "Two" when its hour minus the start hour is 2 or more, "One" otherwise
// (negative differences too, so the day's wrap at midnight counts as tour "One"). Both hours
// are texts read as integers ("" and non-numeric text are 0).
std::string TourOf(const std::string& hourText, const std::string& startHourText);
