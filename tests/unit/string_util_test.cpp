#include "common/string_util.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanningInsertedText) {
  const struct {
    const char* text;
    const char* from;
    const char* to;
    const char* expected;
  } cases[] = {
      {"a<CR>b<CR>", "<CR>", "\r", "a\rb\r"},
      {"aaa", "a", "aa", "aaaaaa"},  // would never end if inserted text were rescanned
      {"<<CR>>", "<CR>", "<CR><CR>", "<<CR><CR>>"},
      {"aaaa", "aa", "a", "aa"},  // "aa" made by a replacement is not replaced again
      {"abc", "", "x", "abc"},    // nothing to look for
      {"abc", "abcd", "x", "abc"},
      {"", "a", "b", ""},
      {"abab", "ab", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.expected) << c.text << " " << c.from;
  }
}

TEST(Trim, RemovesBlanksTabsAndLineEndsAtBothEndsOnly) {
  EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(Trim(" \t\r\n "), "");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim("x"), "x");
  EXPECT_EQ(Trim(std::string("\0a\0", 3)), std::string("\0a\0", 3));
}

TEST(EqualsNoCase, IgnoresTheCaseOfAsciiLettersOnly) {
  EXPECT_TRUE(EqualsNoCase("Settings", "sETTINGS"));
  EXPECT_TRUE(EqualsNoCase("", ""));
  EXPECT_FALSE(EqualsNoCase("Settings", "Setting"));
  EXPECT_FALSE(EqualsNoCase("@", "`"));  // 0x40 and 0x60 differ by the case bit only
  EXPECT_FALSE(EqualsNoCase("[", "{"));
  EXPECT_FALSE(EqualsNoCase("\xC0", "\xE0"));  // other bytes compare as they are
  EXPECT_TRUE(StartsWithNoCase("UA1AAA/P", "ua1"));
  EXPECT_TRUE(StartsWithNoCase("abc", ""));
  EXPECT_FALSE(StartsWithNoCase("ua", "UA1"));
  EXPECT_FALSE(StartsWithNoCase("`bc", "@b"));
}

TEST(FormatText, FormatsTextsOfAnyLength) {
  EXPECT_EQ(FormatText("%s-%03d", "KELM", 7), "KELM-007");
  EXPECT_EQ(FormatText("%s", ""), "");
  const std::string longText(5000, 'x');
  EXPECT_EQ(FormatText("[%s]", longText.c_str()), "[" + longText + "]");
}

}  // namespace
