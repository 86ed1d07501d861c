#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "reports/cabrillo_log.h"
#include "tests/unit/cabrillo_test_doubles.h"

namespace {

using cabrillo_test::MemorySettings;
using cabrillo_test::ScriptedUserInterface;
using Writes = std::vector<std::pair<std::string, std::string>>;

class CabrilloHeader : public testing::Test {
 protected:
  CabrilloHeader() { m_header.m_qsoLines.Add("QSO: from the last report\r\n"); }

  MemorySettings m_settings;
  ScriptedUserInterface m_ui;
  CCabrilloLog m_header;
};

TEST_F(CabrilloHeader, WithoutSettingsTheDialogOpensWithTheStartingValues) {
  EXPECT_EQ(m_header.EditHeader("UA1AAA/P", "2017"), 1);
  ASSERT_EQ(m_ui.shown.size(), 1u);
  const CabrilloDialogFields& shown = m_ui.shown[0];
  EXPECT_EQ(shown.callsign, "UA1AAA/P");
  EXPECT_EQ(shown.operators, "UA1AAA/P");
  EXPECT_EQ(shown.category, "SO-YN-AB-MIX-LP");
  EXPECT_EQ(shown.band, "ALL");
  EXPECT_EQ(shown.transmitter, "ONE");
  EXPECT_EQ(shown.power, "LOW");
  EXPECT_EQ(shown.contest, "KELM 2017");
  for (const std::string& empty :
       {shown.claimed, shown.club, shown.email, shown.name, shown.soapbox, shown.address,
        shown.location, shown.addressCity, shown.addressPostalCode, shown.addressCountry}) {
    EXPECT_EQ(empty, "");
  }
  EXPECT_EQ(m_settings.writes, (Writes{{"Band", "ALL"},
                                       {"Power", "LOW"},
                                       {"Operators", "UA1AAA/P"},
                                       {"Name", ""},
                                       {"Address", ""},
                                       {"Category", "SO-YN-AB-MIX-LP"},
                                       {"Contest", "KELM 2017"},
                                       {"Email", ""},
                                       {"Club", ""},
                                       {"SoapBox", ""},
                                       {"Loc", ""}}));
  EXPECT_EQ(m_header.m_strCall, "UA1AAA/P");
  EXPECT_EQ(m_header.m_strFileStem, "UA1AAA_P");
  EXPECT_EQ(m_header.m_qsoLines.GetSize(), 0);
}

TEST_F(CabrilloHeader, SavedValuesAreLoadedAndFixedOnesStartOver) {
  m_settings.values = {
      {"Operators", "UA1AAA UA1BBB"},
      {"Name", "Ivan Petrov"},
      {"Address", "Ul. Lenina 1<CR><LF>Moscow<CR><LF>Russia"},
      {"Claimed", "120"},
      {"Loc", "MO"},
      {"Email", "ua1aaa@example.org"},
      {"Club", "RCC"},
      {"SoapBox", "Hi<CR><LF>73"},
      {"Address-City", "Moscow"},
      {"Address-PostalCode", "101000"},
      {"Address-Country", "Russia"},
      {"Category", "CHECKLOG"},
      {"Band", "80M"},
      {"Power", "QRP"},
      {"Contest", "KELM 2016"},
  };
  EXPECT_EQ(m_header.EditHeader("UA1AAA", "2017"), 1);
  ASSERT_EQ(m_ui.shown.size(), 1u);
  const CabrilloDialogFields& shown = m_ui.shown[0];
  EXPECT_EQ(shown.callsign, "UA1AAA");
  EXPECT_EQ(shown.operators, "UA1AAA UA1BBB");
  EXPECT_EQ(shown.name, "Ivan Petrov");
  EXPECT_EQ(shown.address, "Ul. Lenina 1\r\nMoscow\r\nRussia");
  EXPECT_EQ(shown.claimed, "120");
  EXPECT_EQ(shown.location, "MO");
  EXPECT_EQ(shown.email, "ua1aaa@example.org");
  EXPECT_EQ(shown.club, "RCC");
  EXPECT_EQ(shown.soapbox, "Hi\r\n73");
  EXPECT_EQ(shown.addressCity, "Moscow");
  EXPECT_EQ(shown.addressPostalCode, "101000");
  EXPECT_EQ(shown.addressCountry, "Russia");
  EXPECT_EQ(shown.category, "SO-YN-AB-MIX-LP");
  EXPECT_EQ(shown.band, "ALL");
  EXPECT_EQ(shown.power, "LOW");
  EXPECT_EQ(shown.transmitter, "ONE");
  EXPECT_EQ(shown.contest, "KELM 2017");

  // Confirmed as loaded: the multi-line texts are saved encoded and kept in tagged form.
  EXPECT_EQ(m_settings.values["Address"], "Ul. Lenina 1<CR><LF>Moscow<CR><LF>Russia");
  EXPECT_EQ(m_settings.values["SoapBox"], "Hi<CR><LF>73");
  EXPECT_EQ(m_settings.values["Power"], "LOW");
  EXPECT_EQ(m_header.m_strAddress, "Ul. Lenina 1\r\nADDRESS: Moscow\r\nADDRESS: Russia");
  EXPECT_EQ(m_header.m_strSoapbox, "Hi\r\nSOAPBOX: 73");
  EXPECT_EQ(m_header.m_strClaimed, "120");
}

TEST_F(CabrilloHeader, ConfirmedEditsAreSavedAndKeptButNotTheClaimedScore) {
  m_settings.values = {{"Claimed", "120"}};
  m_ui.answer = [](CabrilloDialogFields& fields) {
    fields.callsign = "UA1AAA/M";
    fields.claimed = "99999";
    fields.power = "QRP";
    fields.band = "80M";
    fields.category = "single operator";  // typed, not in the list
    fields.transmitter = "TWO";
    fields.name = "Ivan";
    fields.address = "Line 1\r\nLine 2";
    fields.soapbox = "Good\r\ncontest\r\n";
    fields.location = "LO";
    fields.email = "e@x";
    fields.club = "RCC";
    fields.operators = "UA1AAA";
    fields.contest = "KELM TEST";
    fields.addressCity = "City";
    return true;
  };
  EXPECT_EQ(m_header.EditHeader("UA1AAA", "2017"), 1);
  EXPECT_EQ(m_settings.writes, (Writes{{"Band", "80M"},
                                       {"Power", "QRP"},
                                       {"Operators", "UA1AAA"},
                                       {"Name", "Ivan"},
                                       {"Address", "Line 1<CR><LF>Line 2"},
                                       {"Category", "single operator"},
                                       {"Contest", "KELM TEST"},
                                       {"Email", "e@x"},
                                       {"Club", "RCC"},
                                       {"SoapBox", "Good<CR><LF>contest<CR><LF>"},
                                       {"Loc", "LO"}}));
  EXPECT_EQ(m_header.m_strCall, "UA1AAA/M");
  EXPECT_EQ(m_header.m_strFileStem, "UA1AAA") << "the stem comes from the reset's call sign";
  EXPECT_EQ(m_header.m_strClaimed, "120");
  EXPECT_EQ(m_header.m_strPower, "QRP");
  EXPECT_EQ(m_header.m_strBand, "80M");
  EXPECT_EQ(m_header.m_strCategory, "single operator");
  EXPECT_EQ(m_header.m_strTransmitter, "TWO");
  EXPECT_EQ(m_header.m_strAddressCity, "City");
  EXPECT_EQ(m_header.m_strAddress, "Line 1\r\nADDRESS: Line 2");
  EXPECT_EQ(m_header.m_strSoapbox, "Good\r\nSOAPBOX: contest\r\nSOAPBOX: ");

  // The next opening starts the fixed fields over, the saved ones come back.
  m_ui.answer = [](CabrilloDialogFields&) { return true; };
  m_header.EditHeader("UA1AAA", "2017");
  ASSERT_EQ(m_ui.shown.size(), 2u);
  EXPECT_EQ(m_ui.shown[1].power, "LOW");
  EXPECT_EQ(m_ui.shown[1].band, "ALL");
  EXPECT_EQ(m_ui.shown[1].address, "Line 1\r\nLine 2");
  EXPECT_EQ(m_ui.shown[1].soapbox, "Good\r\ncontest\r\n");
  EXPECT_EQ(m_ui.shown[1].claimed, "120");
}

TEST_F(CabrilloHeader, CancelSavesNothingButStillTagsTheLoadedTexts) {
  m_settings.values = {{"Address", "Line 1<CR><LF>Line 2"}, {"SoapBox", "a<CR><LF>b"}};
  m_ui.answer = [](CabrilloDialogFields& fields) {
    fields.name = "typed, then cancelled";
    return false;
  };
  EXPECT_EQ(m_header.EditHeader(" UA1AAA\\QRP ", "2017"), 0);
  EXPECT_TRUE(m_settings.writes.empty());
  EXPECT_EQ(m_header.m_qsoLines.GetSize(), 1);
  EXPECT_EQ(m_header.m_strCall, " UA1AAA\\QRP ");
  EXPECT_EQ(m_header.m_strFileStem, "UA1AAA_QRP");
  EXPECT_EQ(m_header.m_strName, "");
  EXPECT_EQ(m_header.m_strPower, "LOW");
  EXPECT_EQ(m_header.m_strAddress, "Line 1\r\nADDRESS: Line 2");
  EXPECT_EQ(m_header.m_strSoapbox, "a\r\nSOAPBOX: b");
}

TEST_F(CabrilloHeader, EmptyCallSignGivesTheDefaultStem) {
  EXPECT_EQ(m_header.EditHeader("", ""), 1);
  EXPECT_EQ(m_header.m_strFileStem, "WEKO");
  EXPECT_EQ(m_header.m_strContest, "KELM ");
  EXPECT_EQ(m_settings.values["Operators"], "");
}

}  // namespace
