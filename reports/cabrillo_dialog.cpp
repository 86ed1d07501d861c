#include "reports/cabrillo_dialog.h"

#include "common/string_util.h"
#include "resources/cabrillo_dialog_ids.h"

const std::vector<CabrilloControl>& CabrilloDialogExchange() {
  using F = CabrilloDialogFields;
  constexpr auto edit = CabrilloControlKind::edit;
  constexpr auto combo = CabrilloControlKind::comboBox;
  static const std::vector<CabrilloControl> controls = {
      {IDC_CABRILLO_CALLSIGN, edit, &F::callsign},
      {IDC_CABRILLO_CLAIMED, edit, &F::claimed},
      {IDC_CABRILLO_CLUB, edit, &F::club},
      {IDC_CABRILLO_CATEGORY, combo, &F::category},
      {IDC_CABRILLO_CONTEST, edit, &F::contest},
      {IDC_CABRILLO_EMAIL, edit, &F::email},
      {IDC_CABRILLO_NAME, edit, &F::name},
      {IDC_CABRILLO_OPERATORS, edit, &F::operators},
      {IDC_CABRILLO_SOAPBOX, edit, &F::soapbox},
      {IDC_CABRILLO_ADDRESS, edit, &F::address},
      {IDC_CABRILLO_BAND, combo, &F::band},
      {IDC_CABRILLO_LOCATION, edit, &F::location},
      {IDC_CABRILLO_TRANSMITTER, combo, &F::transmitter},
      {IDC_CABRILLO_ADDRESS_CITY, edit, &F::addressCity},
      {IDC_CABRILLO_ADDRESS_POSTALCODE, edit, &F::addressPostalCode},
      {IDC_CABRILLO_ADDRESS_COUNTRY, edit, &F::addressCountry},
      {IDC_CABRILLO_POWER, combo, &F::power},
  };
  return controls;
}

CabrilloDialogFields DialogFieldsFromHeader(const CCabrilloLog& header) {
  CabrilloDialogFields fields;
  fields.callsign = header.m_strCall;
  fields.claimed = header.m_strClaimed;
  fields.club = header.m_strClub;
  fields.category = header.m_strCategory;
  fields.contest = header.m_strContest;
  fields.email = header.m_strEmail;
  fields.name = header.m_strName;
  fields.operators = header.m_strOperators;
  fields.soapbox = header.m_strSoapbox;
  fields.address = header.m_strAddress;
  fields.band = header.m_strBand;
  fields.location = header.m_strLocation;
  fields.transmitter = header.m_strTransmitter;
  fields.addressCity = header.m_strAddressCity;
  fields.addressPostalCode = header.m_strAddressPostalCode;
  fields.addressCountry = header.m_strAddressCountry;
  fields.power = header.m_strPower;
  return fields;
}

void CopyDialogFieldsToHeader(const CabrilloDialogFields& fields, CCabrilloLog* header) {
  header->m_strCall = fields.callsign;
  header->m_strClub = fields.club;
  header->m_strCategory = fields.category;
  header->m_strContest = fields.contest;
  header->m_strEmail = fields.email;
  header->m_strName = fields.name;
  header->m_strOperators = fields.operators;
  header->m_strSoapbox = fields.soapbox;
  header->m_strAddress = fields.address;
  header->m_strBand = fields.band;
  header->m_strLocation = fields.location;
  header->m_strTransmitter = fields.transmitter;
  header->m_strAddressCity = fields.addressCity;
  header->m_strAddressPostalCode = fields.addressPostalCode;
  header->m_strAddressCountry = fields.addressCountry;
  header->m_strPower = fields.power;
}

int ComboBoxSelection(const std::vector<std::string>& entries, const std::string& text) {
  for (size_t i = 0; i < entries.size(); ++i) {
    if (StartsWithNoCase(entries[i], text)) return static_cast<int>(i);
  }
  return -1;
}
