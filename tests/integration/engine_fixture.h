#pragma once

// A fresh working folder with a "Plugins" folder, the plug-in loaded into it, and helpers to
// read its files and to spell out expected summaries.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/host_api.h"
#include "tests/support/work_dir.h"

namespace stats_test {

constexpr char kReportName[] = "BadQSO_StatsKELM_14_01_2017.txt";
constexpr char kSettingsPath[] = "Plugins/KELM.ini";
constexpr char kHeaderLine[] = "KELM TEST UBN file \r\n";

// "Plugins" with a settings file whose "Start" key keeps the first reset from opening windows.
constexpr char kInitialSettings[] = "[Settings]\r\nStart=1\r\n";
struct PluginsFolder {
  PluginsFolder() {
    std::filesystem::create_directory("Plugins");
    WriteFileBytes(kSettingsPath, kInitialSettings);
  }
};

class EngineTest : public testing::Test {
 protected:
  std::string Report() const { return ReadFileBytes(kReportName); }
  std::string Settings() const { return ReadFileBytes(kSettingsPath); }

  ScopedWorkDir m_dir;
  PluginsFolder m_plugins;
  Host m_host;
};

// The lines of a text, each with its CR LF.
inline std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    end = end == std::string::npos ? text.size() : end + 2;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

// A QSO at the given time of the contest day (or the next day with `day` 15).
inline HostQso QsoAt(const std::string& call, const std::string& band, const std::string& mode,
                     int hour, int minute, int day = 14) {
  HostQso qso;
  qso.call = call;
  qso.band = band;
  qso.mode = mode;
  qso.time = MakeDateTime(2017, 1, day, hour, minute);
  return qso;
}

// The summary of GetResult0: band lines are "band\t qsos\t points\t cw\t ssb\t rtty".
struct ExpectedSummary {
  std::vector<std::string> tour1;
  std::vector<std::string> tour2;
  std::string total = "0\t 0\t 0\t 0\t 0";
  int dupes = 0;
  int bad = 0;
  int score = 0;
  std::string date = "14.01.2017";
  std::string call = "UA1AAA";

  std::string Text() const {
    std::string text = "\t    KELM Contest " + date + "\r\n\t\tContestant: " + call +
                       " \r\n\tQSOs\tPoints\tCW\tSSB\tRTTY\r\n";
    text += "Tour 1\r\n";
    for (const std::string& line : tour1) text += line + "\r\n";
    text += "Tour 2\r\n";
    for (const std::string& line : tour2) text += line + "\r\n";
    text += "Total\t " + total + "\r\nDupe\t " + std::to_string(dupes) + "\r\nBad QSO\t " +
            std::to_string(bad) + "\r\n\r\nScore:  = " + std::to_string(score) +
            "\r\nCreated by Q9ZZ 2017.";
    return text;
  }
};

}  // namespace stats_test
