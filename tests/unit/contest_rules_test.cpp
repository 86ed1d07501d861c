#include <gtest/gtest.h>

#include "plugin/module_state.h"

namespace {

TEST(ContestRules, BandsAndModesInOrder) {
  ASSERT_EQ(g_bands.GetSize(), 3);
  EXPECT_EQ(g_bands[0], "160m");
  EXPECT_EQ(g_bands[1], "80m");
  EXPECT_EQ(g_bands[2], "40m");
  ASSERT_EQ(g_modes.GetSize(), 3);
  EXPECT_EQ(g_modes[0], "CW");
  EXPECT_EQ(g_modes[1], "SSB");
  EXPECT_EQ(g_modes[2], "RTTY");
}

TEST(ContestRules, LookupIgnoresCaseOnly) {
  const std::pair<const char*, int> bands[] = {{"80m", 1},  {"80M", 1},  {"160m", 1}, {"40M", 1},
                                               {"80", 0},   {"80 m", 0}, {"", 0},     {"20m", 0},
                                               {" 80m", 0}, {"80m ", 0}};
  for (const auto& [text, expected] : bands) EXPECT_EQ(g_bands.Lookup(text), expected) << text;
  const std::pair<const char*, int> modes[] = {{"rtty", 1}, {"Cw", 1}, {"sSb", 1},
                                               {"PH", 0},   {"RY", 0}, {"FM", 0}};
  for (const auto& [text, expected] : modes) EXPECT_EQ(g_modes.Lookup(text), expected) << text;
}

TEST(ContestRules, EmptyListMatchesNothing) {
  const CContestRules none(nullptr, 0);
  EXPECT_EQ(none.Lookup(""), 0);
  EXPECT_EQ(none.Lookup("CW"), 0);
}

}  // namespace
