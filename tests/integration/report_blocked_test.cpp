// A bad-QSO report that cannot be created or read changes no result of any export.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/integration/engine_fixture.h"

namespace stats_test {
namespace {

// Runs the host through reset, intake, removal and summaries; returns everything it got back
// and the settings file.
std::string Transcript() {
  Host host;
  std::string transcript;
  auto note = [&transcript](const std::string& what, int result) {
    transcript += what + " " + std::to_string(result) + "\n";
  };
  const HostQso qso = QsoAt("RA3BBB", "80m", "CW", 15, 30);
  const HostQso wrongBand = QsoAt("DL1AA", "20m", "CW", 15, 40);
  HostQso noNumber = QsoAt("OK1ZZ", "40m", "SSB", 17, 50);
  noNumber.nrRcvd = "";

  note("reset", host.Reset());
  note("add", host.Add(qso));
  note("add dupe", host.Add(qso));
  note("add wrong band", host.Add(wrongBand));
  note("add no number", host.Add(noNumber));
  note("remove wrong band", host.Remove(wrongBand));
  note("remove no number", host.Remove(noNumber));
  noNumber.nrRcvd = "45001";
  note("remove no longer without number", host.Remove(noNumber));
  transcript += host.Result() + "\n";
  note("add 40m", host.Add(QsoAt("OK1ZZ", "40m", "SSB", 17, 50)));
  note("remove", host.Remove(qso));
  int out = 5;
  transcript += host.Result(&out) + "\n";
  note("out", out);
  return transcript + ReadFileBytes(kSettingsPath);
}

class ReportBlockedTest : public testing::Test {
 protected:
  // The transcript in a folder where the report can be written.
  static std::string Writable() {
    ScopedWorkDir dir;
    PluginsFolder plugins;
    return Transcript();
  }
};

TEST_F(ReportBlockedTest, FolderInThePlaceOfTheReport) {
  const std::string expected = Writable();
  ScopedWorkDir dir;
  PluginsFolder plugins;
  std::filesystem::create_directory(kReportName);
  EXPECT_EQ(Transcript(), expected);
  EXPECT_TRUE(std::filesystem::is_directory(kReportName));
}

TEST_F(ReportBlockedTest, ReadOnlyWorkingFolder) {
  const std::string expected = Writable();
  ScopedWorkDir dir;
  PluginsFolder plugins;
  namespace fs = std::filesystem;
  fs::permissions(dir.path(),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  if (std::ofstream("probe").good()) {
    fs::remove("probe");
    // Root ignores the mode bits; wine keeps no read-only flag on a folder.
    GTEST_SKIP() << "the folder stays writable here, so there is nothing to check";
  }
  EXPECT_EQ(Transcript(), expected);
  EXPECT_FALSE(FileExists(kReportName));
}

}  // namespace
}  // namespace stats_test
