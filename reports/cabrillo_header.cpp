// The header dialog's round trip through the settings file.
#include "platform/user_interface.h"
#include "plugin/settings.h"
#include "reports/cabrillo_dialog.h"
#include "reports/cabrillo_log.h"
#include "reports/cabrillo_text.h"

namespace {

void LoadHeader(CCabrilloLog* header, const std::string& call, const std::string& contestYear) {
  header->m_strCall = call;
  header->m_strFileStem = CabrilloFileStem(call);
  header->m_strOperators = ReadSetting("Operators", call);
  header->m_strName = ReadSetting("Name");
  header->m_strAddress = DecodeLineBreaks(ReadSetting("Address"));
  header->m_strClaimed = ReadSetting("Claimed");
  header->m_strLocation = ReadSetting("Loc");
  header->m_strEmail = ReadSetting("Email");
  header->m_strClub = ReadSetting("Club");
  header->m_strSoapbox = DecodeLineBreaks(ReadSetting("SoapBox"));
  header->m_strAddressCity = ReadSetting("Address-City");
  header->m_strAddressPostalCode = ReadSetting("Address-PostalCode");
  header->m_strAddressCountry = ReadSetting("Address-Country");
  header->m_strContest = "KELM " + contestYear;
  header->m_strCategory = "SO-YN-AB-MIX-LP";
  header->m_strBand = "ALL";
  header->m_strTransmitter = "ONE";
  header->m_strPower = "LOW";
}

void SaveHeader(const CCabrilloLog& header, const std::string& encodedAddress,
                const std::string& encodedSoapbox) {
  WriteSetting("Band", header.m_strBand);
  WriteSetting("Power", header.m_strPower);
  WriteSetting("Operators", header.m_strOperators);
  WriteSetting("Name", header.m_strName);
  WriteSetting("Address", encodedAddress);
  WriteSetting("Category", header.m_strCategory);
  WriteSetting("Contest", header.m_strContest);
  WriteSetting("Email", header.m_strEmail);
  WriteSetting("Club", header.m_strClub);
  WriteSetting("SoapBox", encodedSoapbox);
  WriteSetting("Loc", header.m_strLocation);
}

}  // namespace

int CCabrilloLog::EditHeader(const std::string& call, const std::string& contestYear) {
  LoadHeader(this, call, contestYear);
  CabrilloDialogFields fields = DialogFieldsFromHeader(*this);
  const bool confirmed = platform::UserInterface::Current().RunCabrilloDialog(fields);
  if (confirmed) CopyDialogFieldsToHeader(fields, this);
  const std::string address = EncodeLineBreaks(m_strAddress);
  const std::string soapbox = EncodeLineBreaks(m_strSoapbox);
  if (confirmed) SaveHeader(*this, address, soapbox);
  // A cancelled dialog keeps the loaded texts, which the file needs in tagged form all the same.
  m_strSoapbox = TaggedForm(soapbox, "SOAPBOX");
  m_strAddress = TaggedForm(address, "ADDRESS");
  if (!confirmed) return 0;
  m_qsoLines.RemoveAll();
  return 1;
}
