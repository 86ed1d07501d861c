#include "common/text_to_int.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(TextToInt, ReadsLikeAtoi) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},
      {"abc", 0},
      {"15", 15},
      {"  15", 15},
      {"\t-7x", -7},
      {"+3", 3},
      {"08", 8},
      {"12:30", 12},
      {"- 5", 0},
      {"1 2", 1},
      {"2147483647", INT_MAX},
      {"99999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-99999999999999999999", INT_MIN},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(TextToInt(text), expected) << text;
}

}  // namespace
