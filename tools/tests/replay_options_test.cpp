#include "tools/replay_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool Parse(std::vector<const char*> args, ReplayOptions* options, std::string* error) {
  return ParseReplayOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(ReplayOptions, ReadsEveryOption) {
  ReplayOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"--call", "UA1AAA", "--start=15:40", "--date", "2017-01-14", "--dir", "out",
                     "--export", "--plugin=lib/libStats.so", "log.adi"},
                    &options, &error))
      << error;
  EXPECT_EQ(options.logPath, "log.adi");
  EXPECT_EQ(options.call, "UA1AAA");
  ASSERT_TRUE(options.start);
  EXPECT_EQ(options.start->hour, 15);
  EXPECT_EQ(options.start->minute, 40);
  ASSERT_TRUE(options.date);
  EXPECT_EQ(options.date->year, 2017);
  EXPECT_EQ(options.date->month, 1);
  EXPECT_EQ(options.date->day, 14);
  EXPECT_EQ(options.dir, "out");
  EXPECT_EQ(options.plugin, "lib/libStats.so");
  EXPECT_TRUE(options.exportLog);
  EXPECT_FALSE(options.help);
}

TEST(ReplayOptions, DefaultsAndForms) {
  ReplayOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"log.adi", "--start", "07", "--date", "20170114"}, &options, &error));
  EXPECT_EQ(options.start->hour, 7);
  EXPECT_EQ(options.start->minute, 0);
  EXPECT_EQ(options.date->day, 14);
  EXPECT_FALSE(options.exportLog);
  EXPECT_EQ(options.dir, "");
  ASSERT_TRUE(Parse({"--start", "2359", "log.adi"}, &options, &error));
  EXPECT_EQ(options.start->minute, 59);
  EXPECT_FALSE(options.date);
  ASSERT_TRUE(Parse({"--help"}, &options, &error));
  EXPECT_TRUE(options.help);
}

TEST(ReplayOptions, WrongCommandLines) {
  const std::pair<std::vector<const char*>, const char*> cases[] = {
      {{}, "no log file given"},
      {{"a.adi", "b.adi"}, "more than one log file given"},
      {{"--call"}, "--call needs a value"},
      {{"log.adi", "--dir"}, "--dir needs a value"},
      {{"--colour", "log.adi"}, "unknown option --colour"},
      {{"--colour=red", "log.adi"}, "unknown option --colour"},
      {{"--export=yes", "log.adi"}, "--export takes no value"},
      {{"--start", "24", "log.adi"}, "--start wants HH, HHMM or HH:MM, not \"24\""},
      {{"--start", "15:4", "log.adi"}, "--start wants HH, HHMM or HH:MM, not \"15:4\""},
      {{"--date", "2017-02-29", "log.adi"},
       "--date wants YYYY-MM-DD or YYYYMMDD, not \"2017-02-29\""},
      {{"--date", "14.01.2017", "log.adi"},
       "--date wants YYYY-MM-DD or YYYYMMDD, not \"14.01.2017\""},
  };
  for (const auto& [args, expected] : cases) {
    ReplayOptions options;
    std::string error;
    EXPECT_FALSE(Parse(args, &options, &error)) << expected;
    EXPECT_EQ(error, expected);
  }
}

}  // namespace
