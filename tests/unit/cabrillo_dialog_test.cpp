#include "reports/cabrillo_dialog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "reports/cabrillo_combo_lists.h"

namespace {

CCabrilloLog HeaderWithDistinctFields() {
  CCabrilloLog header;
  header.m_strCall = "call";
  header.m_strName = "name";
  header.m_strAddress = "address";
  header.m_strClaimed = "claimed";
  header.m_strContest = "contest";
  header.m_strEmail = "email";
  header.m_strClub = "club";
  header.m_strSoapbox = "soapbox";
  header.m_strOperators = "operators";
  header.m_strCategory = "category";
  header.m_strBand = "band";
  header.m_strPower = "power";
  header.m_strLocation = "location";
  header.m_strAddressCity = "city";
  header.m_strAddressPostalCode = "postal code";
  header.m_strAddressCountry = "country";
  header.m_strTransmitter = "transmitter";
  header.m_strFileStem = "stem";
  header.m_qsoLines.Add("QSO line\r\n");
  return header;
}

TEST(CabrilloDialog, ExchangeVisitsEveryBoundControlOnceInItsOrder) {
  std::vector<int> ids;
  std::vector<int> comboBoxes;
  CabrilloDialogFields fields;
  for (const CabrilloControl& control : CabrilloDialogExchange()) {
    ids.push_back(control.id);
    if (control.kind == CabrilloControlKind::comboBox) comboBoxes.push_back(control.id);
    fields.*control.field += std::to_string(control.id);
  }
  EXPECT_EQ(ids, (std::vector<int>{1010, 1008, 1005, 1013, 1009, 1004, 1007, 1006, 1001, 1002, 1118,
                                   1121, 1122, 1003, 1011, 1012, 1123}));
  EXPECT_EQ(comboBoxes, (std::vector<int>{1013, 1118, 1122, 1123}));
  // Each control has a field of its own.
  const std::vector<std::string> bound = {
      fields.callsign,       fields.claimed,     fields.club,
      fields.category,       fields.contest,     fields.email,
      fields.name,           fields.operators,   fields.soapbox,
      fields.address,        fields.band,        fields.location,
      fields.transmitter,    fields.addressCity, fields.addressPostalCode,
      fields.addressCountry, fields.power};
  EXPECT_EQ(bound, (std::vector<std::string>{"1010", "1008", "1005", "1013", "1009", "1004", "1007",
                                             "1006", "1001", "1002", "1118", "1121", "1122", "1003",
                                             "1011", "1012", "1123"}));
}

TEST(CabrilloDialog, FieldsComeFromTheHeader) {
  const CabrilloDialogFields fields = DialogFieldsFromHeader(HeaderWithDistinctFields());
  EXPECT_EQ(fields.callsign, "call");
  EXPECT_EQ(fields.claimed, "claimed");
  EXPECT_EQ(fields.club, "club");
  EXPECT_EQ(fields.category, "category");
  EXPECT_EQ(fields.contest, "contest");
  EXPECT_EQ(fields.email, "email");
  EXPECT_EQ(fields.name, "name");
  EXPECT_EQ(fields.operators, "operators");
  EXPECT_EQ(fields.soapbox, "soapbox");
  EXPECT_EQ(fields.address, "address");
  EXPECT_EQ(fields.band, "band");
  EXPECT_EQ(fields.location, "location");
  EXPECT_EQ(fields.transmitter, "transmitter");
  EXPECT_EQ(fields.addressCity, "city");
  EXPECT_EQ(fields.addressPostalCode, "postal code");
  EXPECT_EQ(fields.addressCountry, "country");
  EXPECT_EQ(fields.power, "power");
}

TEST(CabrilloDialog, ConfirmedFieldsGoBackExceptTheClaimedScore) {
  CabrilloDialogFields fields;
  for (const CabrilloControl& control : CabrilloDialogExchange()) {
    fields.*control.field = "new " + std::to_string(control.id);
  }
  CCabrilloLog header = HeaderWithDistinctFields();
  CopyDialogFieldsToHeader(fields, &header);
  EXPECT_EQ(header.m_strCall, "new 1010");
  EXPECT_EQ(header.m_strClaimed, "claimed");
  EXPECT_EQ(header.m_strClub, "new 1005");
  EXPECT_EQ(header.m_strCategory, "new 1013");
  EXPECT_EQ(header.m_strContest, "new 1009");
  EXPECT_EQ(header.m_strEmail, "new 1004");
  EXPECT_EQ(header.m_strName, "new 1007");
  EXPECT_EQ(header.m_strOperators, "new 1006");
  EXPECT_EQ(header.m_strSoapbox, "new 1001");
  EXPECT_EQ(header.m_strAddress, "new 1002");
  EXPECT_EQ(header.m_strBand, "new 1118");
  EXPECT_EQ(header.m_strLocation, "new 1121");
  EXPECT_EQ(header.m_strTransmitter, "new 1122");
  EXPECT_EQ(header.m_strAddressCity, "new 1003");
  EXPECT_EQ(header.m_strAddressPostalCode, "new 1011");
  EXPECT_EQ(header.m_strAddressCountry, "new 1012");
  EXPECT_EQ(header.m_strPower, "new 1123");
  EXPECT_EQ(header.m_strFileStem, "stem");
  EXPECT_EQ(header.m_qsoLines.GetSize(), 1);
}

TEST(CabrilloDialog, ComboBoxSelectsFirstEntryBeginningWithTheText) {
  const std::vector<std::string> categories = {"SO-YN-AB-MIX-LP", "MO-YN-AB-MIX-LP", "SO-AB-MIX-LP",
                                               "MO-AB-MIX-LP", "CHECKLOG"};
  const std::pair<const char*, int> cases[] = {
      {"SO-YN-AB-MIX-LP", 0},
      {"MO-YN-AB-MIX-LP", 1},
      {"so-ab-mix-lp", 2},
      {"MO-AB", 3},
      {"CheckLog", 4},
      {"SO", 0},
      {"m", 1},
      {"", 0},
      {"SO-AB-MIX-LP-X", -1},
      {"YN", -1},
      {" SO", -1},
      {"SINGLE-OP", -1},
  };
  for (const auto& [text, index] : cases) {
    EXPECT_EQ(ComboBoxSelection(categories, text), index) << text;
  }
  const std::vector<std::string> power = {"HIGH", "LOW", "QRP"};
  EXPECT_EQ(ComboBoxSelection(power, "low"), 1);
  EXPECT_EQ(ComboBoxSelection(power, "LOWER"), -1);
  EXPECT_EQ(ComboBoxSelection({}, "LOW"), -1);
  EXPECT_EQ(ComboBoxSelection({}, ""), -1);
}

// One list entry as the resource stores it.
std::string Entry(int id, int message, const std::string& text, size_t length) {
  std::string bytes;
  for (int value : {id & 0xFF, id >> 8, message & 0xFF, message >> 8}) {
    bytes += static_cast<char>(value);
  }
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((length >> shift) & 0xFF);
  return bytes + text;
}

TEST(CabrilloDialog, ComboListsReadFromTheResourceLayout) {
  const std::string data = Entry(1013, 0x0403, std::string("SO-AB-MIX-LP\0", 13), 13) +
                           Entry(1118, 0x0403, std::string("ALL\0", 4), 4) +
                           Entry(1118, 0x1234, std::string("skip\0", 5), 5) +
                           Entry(1123, 0x0403, std::string("LOW\0pad", 7), 7) +
                           std::string(2, '\0') +
                           Entry(1123, 0x0403, std::string("after the end\0", 14), 14);
  const std::vector<ComboListEntry> entries = ParseComboLists(data.data(), data.size());
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].controlId, 1013);
  EXPECT_EQ(entries[0].text, "SO-AB-MIX-LP");
  EXPECT_EQ(entries[1].controlId, 1118);
  EXPECT_EQ(entries[1].text, "ALL");
  EXPECT_EQ(entries[2].controlId, 1123);
  EXPECT_EQ(entries[2].text, "LOW");
}

TEST(CabrilloDialog, BrokenComboListsKeepWhatCameBefore) {
  const std::string good = Entry(1118, 0x0403, std::string("ALL\0", 4), 4);
  const std::string overlong = good + Entry(1122, 0x0403, std::string("ONE\0", 4), 400);
  EXPECT_EQ(ParseComboLists(overlong.data(), overlong.size()).size(), 1u);
  const std::string cutInHeader = good + Entry(1122, 0x0403, "", 4).substr(0, 5);
  EXPECT_EQ(ParseComboLists(cutInHeader.data(), cutInHeader.size()).size(), 1u);
  const std::string unterminated = Entry(1122, 0x0403, "ONE", 3);
  const auto entries = ParseComboLists(unterminated.data(), unterminated.size());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].text, "ONE");
  EXPECT_TRUE(ParseComboLists(nullptr, 100).empty());
  EXPECT_TRUE(ParseComboLists(good.data(), 0).empty());
}

}  // namespace
