// Export mode as the host drives it: a reset that confirms the Cabrillo header, QSOs, and
// summaries that write the Cabrillo log.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/host_api.h"
#include "tests/support/work_dir.h"
#if defined(_WIN32)
#include "platform/win32/win32.h"
#include "tests/support/window_closer.h"
#endif

namespace stats_test {
namespace {

// An export-mode reset; on Windows its header dialog is confirmed with OK as it opened.
int ExportReset(Host& host, const std::string& ownCall) {
  HostReset reset;
  reset.exportFlag = 1;
  reset.ownCall = ownCall;
#if defined(_WIN32)
  DialogCloser closer(GetCurrentThreadId());
  const int result = host.Reset(reset);
  closer.Join();
  EXPECT_TRUE(closer.found()) << "the header dialog did not open";
  EXPECT_EQ(closer.caption(), "KELM");
  return result;
#else
  return host.Reset(reset);
#endif
}

struct Summary {
  std::string text;     // the summary text
  std::string message;  // "caption: text" of the message box
  int out = 0;
};

// A summary; on Windows its message box is closed with OK. Where no box is expected the wait for
// one is short.
Summary RunSummary(Host& host, bool boxExpected = true) {
  Summary summary;
#if defined(_WIN32)
  DialogCloser closer(GetCurrentThreadId(), boxExpected ? 20000 : 2000);
  summary.text = host.Result(&summary.out);
  closer.Join();
  if (closer.found()) summary.message = closer.caption() + ": " + closer.text();
#else
  (void)boxExpected;
  testing::internal::CaptureStderr();
  summary.text = host.Result(&summary.out);
  summary.message = testing::internal::GetCapturedStderr();
  if (!summary.message.empty() && summary.message.back() == '\n') summary.message.pop_back();
#endif
  return summary;
}

HostQso Qso(const char* call, const char* mode, const char* band, unsigned int freqHz, int minute,
            const char* number) {
  HostQso qso;
  qso.call = call;
  qso.mode = mode;
  qso.band = band;
  qso.freqHz = freqHz;
  qso.time = MakeDateTime(2017, 1, 14, 15 + minute / 60, minute % 60);
  qso.nrSent = std::string("00") + number;
  qso.nrRcvd = std::string("4501") + number;
  if (std::string(mode) == "SSB") qso.rstSent = qso.rstRcvd = "59";
  return qso;
}

class CabrilloExport : public testing::Test {
 protected:
  CabrilloExport() { std::filesystem::create_directory("Plugins"); }

  ScopedWorkDir m_dir;
  Host m_host;
};

TEST_F(CabrilloExport, SummaryWritesTheWholeLogWithTheConfirmedHeader) {
  WriteFileBytes("Qarn2.ini", "[Program]\r\nQarn=2.20\r\n");
  WriteFileBytes("Plugins/KELM.ini",
                 "[Settings]\r\n"
                 "Age=45\r\n"
                 "Name=Ivan Petrov\r\n"
                 "Address=Ul. Lenina 1<CR><LF>Moscow<CR><LF>Russia\r\n"
                 "Claimed=999\r\n"
                 "Loc=MO\r\n"
                 "Email=ua1aaa@example.org\r\n"
                 "SoapBox=73!\r\n");
  EXPECT_EQ(ExportReset(m_host, "UA1AAA"), 1);
  EXPECT_EQ(m_host.Add(Qso("RA3BBB", "CW", "80m", 3550000, 30, "1")), 1);
  EXPECT_EQ(m_host.Add(Qso("RA3CCC", "SSB", "80m", 14025000, 32, "2")), 1);
  EXPECT_EQ(m_host.Add(Qso("RA3BBB", "CW", "80m", 3551000, 40, "3")), 1);  // a dupe
  EXPECT_EQ(m_host.Add(Qso("RA3DDD", "cw", "40m", 144050000, 45, "4")), 1);
  EXPECT_EQ(m_host.Add(Qso("UA9XX", "CW", "20m", 14010000, 50, "5")), 0);  // rejected
  EXPECT_EQ(m_host.Add(Qso("RA3EEE", "RTTY", "160m", 1838000, 70, "6")), 1);

  const Summary first = RunSummary(m_host);
  EXPECT_EQ(first.out, -1);
  EXPECT_EQ(first.message, "Output: File produced: UA1AAA.cbr");
  EXPECT_NE(first.text.find("Score:  = 12\r\n"), std::string::npos) << first.text;
  const std::string expected =
      "START-OF-LOG: 3.0\r\n"
      "CONTEST: KELM-CONTEST \r\n"
      "CALLSIGN: UA1AAA\r\n"
      "CATEGORY-OPERATOR: SO-YN-AB-MIX-LP\r\n"
      "CATEGORY-BAND: ALL\r\n"
      "CATEGORY-MODE: MIX\r\n"
      "CATEGORY-POWER: LOW\r\n"
      "CATEGORY-STATION: FIXED\r\n"
      "CATEGORY-TRANSMITTER: ONE\r\n"
      "CLAIMED-SCORE: 12\r\n"
      "LOCATION: MO\r\n"
      "CREATED-BY: Qarn 2.20\r\n"
      "E-MAIL: ua1aaa@example.org\r\n"
      "NAME: Ivan Petrov\r\n"
      "ADDRESS: Ul. Lenina 1\r\n"
      "ADDRESS: Moscow\r\n"
      "ADDRESS: Russia\r\n"
      "SOAPBOX: 73!\r\n"
      "QSO:  3550 CW 2017-01-14 1530 UA1AAA        599 45001  RA3BBB        599 45011\r\n"
      "QSO: 14025 PH 2017-01-14 1532 UA1AAA        59  45002  RA3CCC        59  45012\r\n"
      "QSO:  3551 CW 2017-01-14 1540 UA1AAA        599 45003  RA3BBB        599 45013\r\n"
      "QSO: 144050 ?? 2017-01-14 1545 UA1AAA        599 45004  RA3DDD        599 45014\r\n"
      "QSO:  1838 RY 2017-01-14 1610 UA1AAA        599 45006  RA3EEE        599 45016\r\n"
      "END-OF-LOG:\r\n";
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"), expected);

  // The header was saved with the address still on one line, the score by the summary.
  EXPECT_EQ(ReadFileBytes("Plugins/KELM.ini"),
            "[Settings]\r\n"
            "Age=45\r\n"
            "Name=Ivan Petrov\r\n"
            "Address=Ul. Lenina 1<CR><LF>Moscow<CR><LF>Russia\r\n"
            "Claimed=12\r\n"
            "Loc=MO\r\n"
            "Email=ua1aaa@example.org\r\n"
            "SoapBox=73!\r\n"
            "Master=0\r\n"
            "Band=ALL\r\n"
            "Power=LOW\r\n"
            "Operators=UA1AAA\r\n"
            "Category=SO-YN-AB-MIX-LP\r\n"
            "Contest=KELM 2017\r\n"
            "Club=\r\n"
            "Start=0\r\n");

  // Every summary until the next reset writes the same log again, each QSO once.
  const Summary second = RunSummary(m_host);
  EXPECT_EQ(second.message, "Output: File produced: UA1AAA.cbr");
  EXPECT_EQ(ReadFileBytes("UA1AAA.cbr"), expected);
  EXPECT_EQ(ListFolder(m_dir.path()),
            "BadQSO_StatsKELM_14_01_2017.txt\nPlugins\nQarn2.ini\nUA1AAA.cbr\n");
}

TEST_F(CabrilloExport, EmptyCallSignNamesTheFileWeko) {
  EXPECT_EQ(ExportReset(m_host, ""), 1);
  EXPECT_EQ(m_host.Add(Qso("RA3BBB", "CW", "80m", 3550000, 30, "1")), 1);
  const Summary summary = RunSummary(m_host);
  EXPECT_EQ(summary.message, "Output: File produced: WEKO.cbr");
  EXPECT_EQ(ReadFileBytes("WEKO.cbr"),
            "START-OF-LOG: 3.0\r\n"
            "CONTEST: KELM-CONTEST \r\n"
            "CALLSIGN: \r\n"
            "CATEGORY-OPERATOR: SO-YN-AB-MIX-LP\r\n"
            "CATEGORY-BAND: ALL\r\n"
            "CATEGORY-MODE: MIX\r\n"
            "CATEGORY-POWER: LOW\r\n"
            "CATEGORY-STATION: FIXED\r\n"
            "CATEGORY-TRANSMITTER: ONE\r\n"
            "CLAIMED-SCORE: 5\r\n"
            "LOCATION: \r\n"
            "CREATED-BY: Qarn Qarn\r\n"
            "E-MAIL: \r\n"
            "NAME: \r\n"
            "ADDRESS: \r\n"
            "SOAPBOX: \r\n"
            "QSO:  3550 CW 2017-01-14 1530               599 001    RA3BBB        599 45011\r\n"
            "END-OF-LOG:\r\n");
}

TEST_F(CabrilloExport, UnwritableLogIsNamedAsNotProducedAndTheSummaryStands) {
  std::filesystem::create_directory("UA1AAA.cbr");
  EXPECT_EQ(ExportReset(m_host, "UA1AAA"), 1);
  EXPECT_EQ(m_host.Add(Qso("RA3BBB", "CW", "80m", 3550000, 30, "1")), 1);
  const Summary summary = RunSummary(m_host);
  EXPECT_EQ(summary.out, -1);
  EXPECT_EQ(summary.message, "Output: File not produced: UA1AAA.cbr");
  EXPECT_NE(summary.text.find("Score:  = 5\r\nCreated by Q9ZZ 2017."), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory("UA1AAA.cbr"));
}

TEST_F(CabrilloExport, ResetOutsideExportModeEndsTheWriting) {
  EXPECT_EQ(ExportReset(m_host, "UA1AAA"), 1);
  HostReset plain;
  plain.ownCall = "UA1AAA";
  EXPECT_EQ(m_host.Reset(plain), 1);
  EXPECT_EQ(m_host.Add(Qso("RA3BBB", "CW", "80m", 3550000, 30, "1")), 1);
  const Summary summary = RunSummary(m_host, false);
  EXPECT_EQ(summary.out, 0);
  EXPECT_EQ(summary.message, "");
  EXPECT_FALSE(FileExists("UA1AAA.cbr"));
}

}  // namespace
}  // namespace stats_test
