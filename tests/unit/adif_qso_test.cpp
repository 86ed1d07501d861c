#include "tools/adif_qso.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The one record of an ADIF text.
AdifRecord Record(const std::string& fields) {
  const AdifLog log = ReadAdif("<EOH>\n" + fields + "<EOR>");
  EXPECT_FALSE(log.error) << fields;
  EXPECT_EQ(log.records.size(), 1u) << fields;
  return log.records.empty() ? AdifRecord() : log.records[0];
}

std::string Field(const char* name, const std::string& value) {
  return std::string("<") + name + ":" + std::to_string(value.size()) + ">" + value;
}

// A record with the required fields and the given extra ones.
std::string Minimal(const std::string& extra) {
  return Field("CALL", "RA3BBB") + Field("QSO_DATE", "20170114") + Field("TIME_ON", "1530") +
         Field("MODE", "CW") + extra;
}

TEST(AdifQso, MapsEveryFieldTheHostPasses) {
  const AdifRecord record = Record(
      Field("call", "RA3BBB") + Field("QSO_DATE", "20170114") + Field("TIME_ON", "153012") +
      Field("FREQ", "3.5501") + Field("BAND", "80M") + Field("MODE", "cw") +
      Field("RST_SENT", "599") + Field("RST_RCVD", "579") + Field("STX_STRING", "001") +
      Field("STX", "1") + Field("SRX_STRING", "45012") + Field("SRX", "12") + Field("PFX", "RA3") +
      Field("STATION_CALLSIGN", "UA1AAA") + Field("OPERATOR", "UA1ZZZ"));
  ReplayQso qso;
  AdifError error;
  ASSERT_TRUE(MapQso(record, &qso, &error)) << error.message;
  EXPECT_EQ(qso.call, "RA3BBB");
  EXPECT_EQ(qso.time.m_dt, MakeDateTime(2017, 1, 14, 15, 30, 12).m_dt);
  EXPECT_EQ(qso.time.m_status, COleDateTime::valid);
  EXPECT_EQ(qso.timeOn.hour, 15);
  EXPECT_EQ(qso.date.day, 14);
  EXPECT_EQ(qso.freqHz, 3550100u);
  EXPECT_EQ(qso.band, "80m");
  EXPECT_EQ(qso.mode, "CW");
  EXPECT_EQ(qso.rstSent, "599");
  EXPECT_EQ(qso.rstRcvd, "579");
  EXPECT_EQ(qso.nrSent, "001");
  EXPECT_EQ(qso.nrRcvd, "45012");
  EXPECT_EQ(qso.prefix, "RA3");
  EXPECT_EQ(qso.ownCall, "UA1AAA");
}

TEST(AdifQso, FallsBackToTheShorterFields) {
  ReplayQso qso;
  AdifError error;
  ASSERT_TRUE(
      MapQso(Record(Minimal(Field("BAND", "40m") + Field("STX", "7") + Field("SRX_STRING", "") +
                            Field("SRX", "35044") + Field("OPERATOR", "UA1ZZZ"))),
             &qso, &error));
  EXPECT_EQ(qso.nrSent, "7");
  EXPECT_EQ(qso.nrRcvd, "35044");
  EXPECT_EQ(qso.ownCall, "UA1ZZZ");
  EXPECT_EQ(qso.freqHz, 0u);
  EXPECT_EQ(qso.rstSent, "");
}

TEST(AdifQso, FrequencyInHzAndBandFromIt) {
  struct Case {
    const char* freq;
    unsigned int hz;
    const char* band;
  };
  const Case cases[] = {
      {"1.8305", 1830500, "160m"},
      {"3.5", 3500000, "80m"},
      {"3.999999", 3999999, "80m"},
      {"7", 7000000, "40m"},
      {"7.0125", 7012500, "40m"},
      {"3.5505559", 3550555, "80m"},
      {".1365", 136500, "2190m"},
      {"14.2", 14200000, "20m"},
      {"10.5", 10500000, ""},
      {"4294.967295", 4294967295u, ""},
      {"3.550.", 0, nullptr},
      {"3,55", 0, nullptr},
      {"-3.5", 0, nullptr},
      {" 3.5", 0, nullptr},
      {".", 0, nullptr},
      {"4294.967296", 0, nullptr},
      {"99999999999", 0, nullptr},
  };
  for (const Case& c : cases) {
    ReplayQso qso;
    AdifError error;
    const bool mapped = MapQso(Record(Minimal(Field("FREQ", c.freq))), &qso, &error);
    if (c.band == nullptr) {
      EXPECT_FALSE(mapped) << c.freq;
      EXPECT_EQ(DescribeAdifError("f", error), std::string("f, line 2, record 1, field FREQ: \"") +
                                                   c.freq + "\" is not a frequency in MHz");
      continue;
    }
    ASSERT_TRUE(mapped) << c.freq << ": " << error.message;
    EXPECT_EQ(qso.freqHz, c.hz) << c.freq;
    EXPECT_EQ(qso.band, c.band) << c.freq;
  }
}

TEST(AdifQso, BandFieldWinsOverTheFrequency) {
  ReplayQso qso;
  AdifError error;
  ASSERT_TRUE(MapQso(Record(Minimal(Field("FREQ", "7.01") + Field("BAND", "20M"))), &qso, &error));
  EXPECT_EQ(qso.band, "20m");
  EXPECT_EQ(qso.freqHz, 7010000u);
}

TEST(AdifQso, ModesTheContestKnows) {
  const std::pair<std::string, const char*> cases[] = {
      {Field("MODE", "CW"), "CW"},
      {Field("MODE", "cw"), "CW"},
      {Field("MODE", "SSB") + Field("SUBMODE", "USB"), "SSB"},
      {Field("MODE", "SSB") + Field("SUBMODE", "LSB"), "SSB"},
      {Field("MODE", "USB"), "SSB"},
      {Field("MODE", "lsb"), "SSB"},
      {Field("SUBMODE", "LSB"), "SSB"},
      {Field("MODE", "RTTY") + Field("SUBMODE", "ASCI"), "RTTY"},
      {Field("MODE", "FM"), "FM"},
      {Field("MODE", "ft8"), "FT8"},
  };
  for (const auto& [fields, expected] : cases) {
    ReplayQso qso;
    AdifError error;
    const std::string text = Field("CALL", "K1") + Field("QSO_DATE", "20170114") +
                             Field("TIME_ON", "1530") + Field("BAND", "80m") + fields;
    ASSERT_TRUE(MapQso(Record(text), &qso, &error)) << fields << ": " << error.message;
    EXPECT_EQ(qso.mode, expected) << fields;
  }
}

TEST(AdifQso, MissingOrGarbledRequiredFields) {
  const std::string date = Field("QSO_DATE", "20170114");
  const std::string time = Field("TIME_ON", "1530");
  const std::string band = Field("BAND", "80m");
  const std::string mode = Field("MODE", "CW");
  const std::string call = Field("CALL", "K1");
  const std::pair<std::string, const char*> cases[] = {
      {date + time + band + mode, "f, line 2, record 1, field CALL: missing"},
      {Field("CALL", "") + date + time + band + mode, "f, line 2, record 1, field CALL: missing"},
      {call + time + band + mode, "f, line 2, record 1, field QSO_DATE: missing"},
      {call + Field("QSO_DATE", "20170230") + time + band + mode,
       "f, line 2, record 1, field QSO_DATE: \"20170230\" is not a date YYYYMMDD"},
      {call + Field("QSO_DATE", "2017-01-14") + time + band + mode,
       "f, line 2, record 1, field QSO_DATE: \"2017-01-14\" is not a date YYYYMMDD"},
      {call + date + band + mode, "f, line 2, record 1, field TIME_ON: missing"},
      {call + date + Field("TIME_ON", "2400") + band + mode,
       "f, line 2, record 1, field TIME_ON: \"2400\" is not a time HHMM or HHMMSS"},
      {call + date + Field("TIME_ON", "153") + band + mode,
       "f, line 2, record 1, field TIME_ON: \"153\" is not a time HHMM or HHMMSS"},
      {call + date + time + mode,
       "f, line 2, record 1, field BAND: missing, and no FREQ to take the band from"},
      {call + date + time + band, "f, line 2, record 1, field MODE: missing"},
      {call + date + time + band + Field("SUBMODE", "PSK31"),
       "f, line 2, record 1, field MODE: missing"},
  };
  for (const auto& [fields, expected] : cases) {
    ReplayQso qso;
    AdifError error;
    EXPECT_FALSE(MapQso(Record(fields), &qso, &error)) << fields;
    EXPECT_EQ(DescribeAdifError("f", error), expected) << fields;
  }
}

TEST(AdifQso, ErrorPointsAtTheLineOfTheField) {
  const AdifLog log = ReadAdif("<EOH>\n<CALL:2>K1\n<QSO_DATE:8>20171314\n<EOR>");
  ASSERT_EQ(log.records.size(), 1u);
  ReplayQso qso;
  AdifError error;
  ASSERT_FALSE(MapQso(log.records[0], &qso, &error));
  EXPECT_EQ(error.line, 3);
  EXPECT_EQ(error.field, "QSO_DATE");
}

}  // namespace
