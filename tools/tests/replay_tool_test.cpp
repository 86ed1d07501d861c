// The built replay tool run on small logs against the built plug-in: what it prints, the
// files the plug-in writes, the errors and exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/plugin_library.h"
#include "tests/support/work_dir.h"

namespace stats_test {
namespace {

struct ToolRun {
  int code = -1;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& arg) {
  std::string text = "'";
  for (char c : arg) text += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return text + "'";
}

std::string Fixture(const std::string& name) {
  return std::string(REPLAY_FIXTURES) + "/" + name;
}

// Runs the tool in the current folder with the built plug-in.
ToolRun RunTool(const std::vector<std::string>& args, bool withPlugin = true) {
  std::string command = Quoted(REPLAY_TOOL);
  if (withPlugin) command += " --plugin " + Quoted(PluginLibrary::Path());
  for (const std::string& arg : args) command += " " + Quoted(arg);
  command += " >tool_out.txt 2>tool_err.txt </dev/null";
  const int status = std::system(command.c_str());
  ToolRun run;
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFileBytes("tool_out.txt");
  run.err = ReadFileBytes("tool_err.txt");
  return run;
}

const char kSmallSummary[] =
    "\t    KELM Contest 14.01.2017\n"
    "\t\tContestant: UA1AAA \n"
    "\tQSOs\tPoints\tCW\tSSB\tRTTY\n"
    "Tour 1\n"
    "160m\t 1\t 4\t 0\t 0\t 1\n"
    "80m\t 1\t 5\t 1\t 0\t 0\n"
    "40m\t 1\t 3\t 0\t 1\t 0\n"
    "Tour 2\n"
    "160m\t 0\t 0\t 0\t 0\t 0\n"
    "80m\t 1\t 5\t 1\t 0\t 0\n"
    "40m\t 1\t 3\t 0\t 1\t 0\n"
    "Total\t 5\t 20\t 2\t 2\t 1\n"
    "Dupe\t 1\n"
    "Bad QSO\t 3\n"
    "\n"
    "Score:  = 20\n"
    "Created by Q9ZZ 2017.\n"
    "\n"
    "QSOs read: 9, stored: 6, rejected: 3\n";

const char kSmallReport[] =
    "KELM TEST UBN file \r\n"
    "QSO:  3552  CW  2017-01-14 1540  UA1AAA  599  003  RA3BBB  599  45013   DUPE !!!\r\n"
    "QSO:  14025  CW  2017-01-14 1620  UA1AAA  599  005  RK4EEE  599  50006   WRONG BAND !!!\r\n"
    "QSO:  3650  FM  2017-01-14 1710  UA1AAA  59  007  UD8FFF  59  51003   WRONG MODE !!!\r\n"
    "QSO:  7020  CW  2017-01-14 1715  UA1AAA  599  008  UB6GGG  599     NO NUMBER !!!\r\n";

const char kReportName[] = "BadQSO_StatsKELM_14_01_2017.txt";

TEST(ReplayTool, ScoresASmallLog) {
  ScopedWorkDir dir;
  const ToolRun run = RunTool({"--dir", "out", "--start", "15:00", Fixture("small.adi")});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, std::string(kSmallSummary) + "Bad-QSO report: out/" + kReportName +
                         "\nCabrillo log: not written (add --export)\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadFileBytes(std::string("out/") + kReportName), kSmallReport);
  EXPECT_EQ(ListFolder("out"), "BadQSO_StatsKELM_14_01_2017.txt\nPlugins\n");
  EXPECT_TRUE(FileExists("out/Plugins/KELM.ini"));
}

TEST(ReplayTool, DefaultsComeFromTheLog) {
  // Without --start the earliest QSO's hour (15) is the start; without --dir the current folder.
  ScopedWorkDir dir;
  const ToolRun run = RunTool({Fixture("small.adi")});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, std::string(kSmallSummary) + "Bad-QSO report: " + kReportName +
                         "\nCabrillo log: not written (add --export)\n");
  EXPECT_EQ(ReadFileBytes(kReportName), kSmallReport);
}

TEST(ReplayTool, OptionsOverTheLog) {
  // A later start puts every QSO into tour 1, so the 17:05 and 17:20 QSOs become dupes too;
  // --date names the report and titles the summary; --call titles it too.
  ScopedWorkDir dir;
  const ToolRun run = RunTool({"--dir", "out", "--start", "16", "--date", "2017-01-15", "--call",
                               "UA1ZZZ", Fixture("small.adi")});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("\t    KELM Contest 15.01.2017\n\t\tContestant: UA1ZZZ \n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Dupe\t 3\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Bad-QSO report: out/BadQSO_StatsKELM_15_01_2017.txt\n"),
            std::string::npos)
      << run.out;
}

TEST(ReplayTool, ExportWritesTheCabrilloLogWithTheFolderSettings) {
  ScopedWorkDir dir;
  std::filesystem::create_directories("out/Plugins");
  WriteFileBytes("out/Plugins/KELM.ini", "[Settings]\r\nAge=35\r\nName=A. Tester\r\nLoc=UA1\r\n");
  const ToolRun run =
      RunTool({"--dir", "out", "--start", "15:00", "--export", Fixture("small.adi")});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, std::string(kSmallSummary) + "Bad-QSO report: out/" + kReportName +
                         "\nCabrillo log: out/UA1AAA.cbr\n");
  EXPECT_NE(run.err.find("UA1AAA.cbr"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFileBytes(std::string("out/") + kReportName), kSmallReport);
  EXPECT_EQ(ReadFileBytes("out/UA1AAA.cbr"),
            "START-OF-LOG: 3.0\r\n"
            "CONTEST: KELM-CONTEST \r\n"
            "CALLSIGN: UA1AAA\r\n"
            "CATEGORY-OPERATOR: SO-YN-AB-MIX-LP\r\n"
            "CATEGORY-BAND: ALL\r\n"
            "CATEGORY-MODE: MIX\r\n"
            "CATEGORY-POWER: LOW\r\n"
            "CATEGORY-STATION: FIXED\r\n"
            "CATEGORY-TRANSMITTER: ONE\r\n"
            "CLAIMED-SCORE: 20\r\n"
            "LOCATION: UA1\r\n"
            "CREATED-BY: Qarn Qarn\r\n"
            "E-MAIL: \r\n"
            "NAME: A. Tester\r\n"
            "ADDRESS: \r\n"
            "SOAPBOX: \r\n"
            "QSO:  3550 CW 2017-01-14 1530 UA1AAA        599 35001  RA3BBB        599 45012\r\n"
            "QSO:  7010 PH 2017-01-14 1535 UA1AAA        59  35002  UA9CCC        59  37001\r\n"
            "QSO:  3552 CW 2017-01-14 1540 UA1AAA        599 35003  RA3BBB        599 45013\r\n"
            "QSO:  1830 RY 2017-01-14 1610 UA1AAA        599 35004  RW4DDD        599 52003\r\n"
            "QSO:  3551 CW 2017-01-14 1705 UA1AAA        599 35006  RA3BBB        599 45014\r\n"
            "QSO:  7080 PH 2017-01-14 1720 UA1AAA        59  35009  UA9CCC        59  37002\r\n"
            "END-OF-LOG:\r\n");
}

TEST(ReplayTool, ExportNamesTheCabrilloLogAsThePluginDoes) {
  ScopedWorkDir dir;
  const ToolRun run =
      RunTool({"--dir", "out", "--export", "--call", " UA1AAA/P ", Fixture("small.adi")});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("\nCabrillo log: out/UA1AAA_P.cbr\n"), std::string::npos) << run.out;
  EXPECT_TRUE(FileExists("out/UA1AAA_P.cbr"));
}

TEST(ReplayTool, ReplaysTheSampleLog) {
  ScopedWorkDir dir;
  const ToolRun run = RunTool(
      {"--dir", "out", "--start", "15:00", std::string(REPLAY_SAMPLES) + "/kelm_sample.adi"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out,
            "\t    KELM Contest 20.01.2024\n"
            "\t\tContestant: UA9XKL \n"
            "\tQSOs\tPoints\tCW\tSSB\tRTTY\n"
            "Tour 1\n"
            "160m\t 4\t 17\t 2\t 1\t 1\n"
            "80m\t 8\t 32\t 3\t 3\t 2\n"
            "40m\t 7\t 29\t 3\t 2\t 2\n"
            "Tour 2\n"
            "160m\t 4\t 17\t 2\t 1\t 1\n"
            "80m\t 6\t 25\t 3\t 2\t 1\n"
            "40m\t 7\t 29\t 3\t 2\t 2\n"
            "Total\t 36\t 149\t 16\t 11\t 9\n"
            "Dupe\t 4\n"
            "Bad QSO\t 3\n"
            "\n"
            "Score:  = 149\n"
            "Created by Q9ZZ 2017.\n"
            "\n"
            "QSOs read: 43, stored: 40, rejected: 3\n"
            "Bad-QSO report: out/BadQSO_StatsKELM_20_01_2024.txt\n"
            "Cabrillo log: not written (add --export)\n");
}

struct Failing {
  const char* name;
  std::vector<std::string> args;
  int code;
  std::string err;
};

TEST(ReplayTool, FailuresSayWhatAndExitNonZero) {
  const std::string lib = PluginLibrary::Path();
  const std::string stub = std::string(REPLAY_STUB_PLUGIN);
  const Failing cases[] = {
      {"record without <EOR>",
       {"--dir", "out", Fixture("unended_record.adi")},
       4,
       "kelm_replay: " + Fixture("unended_record.adi") +
           ", line 4, record 3: record not ended by <EOR>\n"},
      {"impossible date",
       {"--dir", "out", Fixture("bad_date.adi")},
       4,
       "kelm_replay: " + Fixture("bad_date.adi") +
           ", line 4, record 3, field QSO_DATE: \"20170231\" is not a date YYYYMMDD\n"},
      {"value past the end",
       {"--dir", "out", Fixture("short_value.adi")},
       4,
       "kelm_replay: " + Fixture("short_value.adi") +
           ", line 4, record 3, field CALL: value of 40 bytes runs past the end of the file\n"},
      {"missing file",
       {"--dir", "out", "nothere.adi"},
       3,
       "kelm_replay: cannot read nothere.adi: no such file\n"},
      {"no own call",
       {"--dir", "out", Fixture("no_own_call.adi")},
       2,
       "kelm_replay: " + Fixture("no_own_call.adi") +
           " names no own call (STATION_CALLSIGN or OPERATOR): give --call\n"},
      {"library lacking the exports",
       {"--dir", "out", "--plugin", stub, Fixture("small.adi")},
       5,
       "kelm_replay: " + std::filesystem::absolute(stub).string() +
           " lacks the export ?ResetStats0@@YAHPBDH0PAVCOleDateTime@ATL@@10000000000HHHNN000@Z\n"},
      {"wrong option",
       {"--dir", "out", "--start", "25", Fixture("small.adi")},
       2,
       "kelm_replay: --start wants HH, HHMM or HH:MM, not \"25\"\nTry kelm_replay --help.\n"},
  };
  for (const Failing& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedWorkDir dir;
    const ToolRun run = RunTool(c.args);
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
    // Nothing reached the plug-in: no working folder, no report.
    EXPECT_FALSE(FileExists("out"));
  }
}

TEST(ReplayTool, LibraryThatDoesNotLoad) {
  ScopedWorkDir dir;
  const ToolRun run = RunTool({"--plugin", Fixture("small.adi"), Fixture("small.adi")}, false);
  EXPECT_EQ(run.code, 5);
  EXPECT_EQ(run.err.rfind("kelm_replay: cannot load ", 0), 0u) << run.err;
}

TEST(ReplayTool, HelpListsTheExitCodes) {
  ScopedWorkDir dir;
  const ToolRun run = RunTool({"--help"}, false);
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out.rfind("Usage: kelm_replay [options] LOG.adi\n", 0), 0u);
  EXPECT_NE(run.out.find("  4  the log is malformed ADIF"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace stats_test
