#include "engine/bad_qso_report.h"

#include <gtest/gtest.h>

#include "engine/tour.h"

namespace {

TEST(BadQsoReport, LineJoinsTheFieldsWithTwoBlanksAndEndsWithTheMarker) {
  QsoArgs qso;
  qso.ownCall = "UA1AAA";
  qso.call = "DL1XYZ";
  qso.freqHz = 7012999;
  qso.mode = "CW";
  qso.rstSent = "579";
  qso.rstRcvd = "589";
  qso.nrSent = "007";
  qso.nrRcvd = "12345";
  qso.prefix = "DL";
  qso.band = "40m";
  EXPECT_EQ(FormatReportLine(qso, "2017-01-14 1605", kDupeMarker),
            "QSO:  7012  CW  2017-01-14 1605  UA1AAA  579  007  DL1XYZ  589  12345   DUPE !!!");
  qso.freqHz = 4294967295u;
  EXPECT_EQ(FormatReportLine(qso, "", kNoNumberMarker),
            "QSO:  4294967  CW    UA1AAA  579  007  DL1XYZ  589  12345   NO NUMBER !!!");
  EXPECT_EQ(FormatReportLine(QsoArgs(), "", kWrongModeMarker),
            "QSO:  0                   WRONG MODE !!!");
  EXPECT_STREQ(kWrongBandMarker, "   WRONG BAND !!!");
}

TEST(BadQsoReport, FileNameFromTheContestDate) {
  const COleDateTime date = MakeDateTime(2017, 1, 14, 23, 59);
  const COleDateTime invalid{42749.0, COleDateTime::invalid};
  EXPECT_EQ(ReportFileName(&date), "BadQSO_StatsKELM_14_01_2017.txt");
  EXPECT_EQ(ReportFileName(&invalid), "BadQSO_StatsKELM_Invalid DateTime.txt");
  EXPECT_EQ(ReportFileName(nullptr), "BadQSO_StatsKELM_.txt");
}

TEST(Tour, SecondTourStartsTwoClockHoursAfterTheStartHour) {
  struct Case {
    const char* hour;
    const char* start;
    const char* tour;
  };
  const Case cases[] = {
      {"15", "15", "One"},
      {"16", "15", "One"},
      {"17", "15", "Two"},
      {"23", "15", "Two"},
      {"01", "23", "One"},
      {"00", "23", "One"},
      {"14", "15", "One"},
      {"02", "", "Two"},
      {"01", "", "One"},
      {"", "", "One"},
      {"12", "10", "Two"},
      {"11", "10", "One"},
      {"Invalid DateTime", "00", "One"},
      {"23", "-5", "Two"},
      {"2147483647", "-2147483648", "Two"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TourOf(c.hour, c.start), c.tour) << c.hour << " - " << c.start;
  }
}

}  // namespace
