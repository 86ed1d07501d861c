#include "tools/adif_qso.h"

#include <cctype>
#include <cstdint>

namespace {

struct BandRange {
  const char* name;
  uint32_t lowHz;
  uint32_t highHz;
};

// The amateur bands of the ADIF band list up to 23 cm.
const BandRange kBands[] = {
    {"2190m", 135700, 137800},          {"630m", 472000, 479000},
    {"560m", 501000, 504000},           {"160m", 1800000, 2000000},
    {"80m", 3500000, 4000000},          {"60m", 5060000, 5450000},
    {"40m", 7000000, 7300000},          {"30m", 10100000, 10150000},
    {"20m", 14000000, 14350000},        {"17m", 18068000, 18168000},
    {"15m", 21000000, 21450000},        {"12m", 24890000, 24990000},
    {"10m", 28000000, 29700000},        {"6m", 50000000, 54000000},
    {"4m", 70000000, 71000000},         {"2m", 144000000, 148000000},
    {"1.25m", 222000000, 225000000},    {"70cm", 420000000, 450000000},
    {"33cm", 902000000, 928000000},     {"23cm", 1240000000, 1300000000},
    {"13cm", 2300000000u, 2450000000u},
};

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// MHz as written in ADIF ("3.5", "7.0125") to Hz; digits past the Hz are dropped.
bool ParseMegahertz(const std::string& text, unsigned int* hz) {
  const size_t dot = text.find('.');
  const std::string whole = text.substr(0, dot);
  std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
  if (whole.empty() && fraction.empty()) return false;
  for (char c : whole + fraction) {
    if (c < '0' || c > '9') return false;
  }
  uint64_t value = 0;
  for (char c : whole) {
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > UINT32_MAX / 1000000) return false;
  }
  fraction = (fraction + "000000").substr(0, 6);
  value = value * 1000000 + std::stoull(fraction);
  if (value > UINT32_MAX) return false;
  *hz = static_cast<unsigned int>(value);
  return true;
}

std::string BandOfFrequency(unsigned int hz) {
  for (const BandRange& band : kBands) {
    if (hz >= band.lowHz && hz <= band.highHz) return band.name;
  }
  return std::string();
}

std::string HostMode(const std::string& mode, const std::string& submode) {
  const std::string m = Upper(mode);
  const std::string sub = Upper(submode);
  if (m == "USB" || m == "LSB" || (m.empty() && (sub == "USB" || sub == "LSB"))) return "SSB";
  return m;
}

std::string FirstOf(const AdifRecord& record, const char* preferred, const char* other) {
  const std::string value = record.Value(preferred);
  return value.empty() ? record.Value(other) : value;
}

class Mapper {
 public:
  Mapper(const AdifRecord& record, AdifError* error) : m_record(record), m_error(error) {}

  bool Map(ReplayQso* qso) {
    qso->call = m_record.Value("CALL");
    if (qso->call.empty()) return Fail("CALL", "missing");
    if (!Require("QSO_DATE")) return false;
    if (!ParseCompactDate(m_record.Value("QSO_DATE"), &qso->date)) {
      return Fail("QSO_DATE", Quoted("QSO_DATE") + " is not a date YYYYMMDD");
    }
    if (!Require("TIME_ON")) return false;
    if (!ParseCompactTime(m_record.Value("TIME_ON"), &qso->timeOn)) {
      return Fail("TIME_ON", Quoted("TIME_ON") + " is not a time HHMM or HHMMSS");
    }
    qso->time = MakeDateTime(qso->date.year, qso->date.month, qso->date.day, qso->timeOn.hour,
                             qso->timeOn.minute, qso->timeOn.second);

    qso->freqHz = 0;
    if (!m_record.Value("FREQ").empty() && !ParseMegahertz(m_record.Value("FREQ"), &qso->freqHz)) {
      return Fail("FREQ", Quoted("FREQ") + " is not a frequency in MHz");
    }
    if (!m_record.Value("BAND").empty()) {
      qso->band = Lower(m_record.Value("BAND"));
    } else if (qso->freqHz != 0) {
      qso->band = BandOfFrequency(qso->freqHz);
    } else {
      return Fail("BAND", "missing, and no FREQ to take the band from");
    }

    qso->mode = HostMode(m_record.Value("MODE"), m_record.Value("SUBMODE"));
    if (qso->mode.empty()) return Fail("MODE", "missing");

    qso->ownCall = FirstOf(m_record, "STATION_CALLSIGN", "OPERATOR");
    qso->rstSent = m_record.Value("RST_SENT");
    qso->rstRcvd = m_record.Value("RST_RCVD");
    qso->nrSent = FirstOf(m_record, "STX_STRING", "STX");
    qso->nrRcvd = FirstOf(m_record, "SRX_STRING", "SRX");
    qso->prefix = m_record.Value("PFX");
    return true;
  }

 private:
  bool Require(const char* name) { return !m_record.Value(name).empty() || Fail(name, "missing"); }

  std::string Quoted(const char* name) const { return "\"" + m_record.Value(name) + "\""; }

  bool Fail(const char* name, const std::string& message) {
    const AdifField* field = m_record.Find(name);
    *m_error = AdifError{field ? field->line : m_record.line, m_record.number, name, message};
    return false;
  }

  const AdifRecord& m_record;
  AdifError* m_error;
};

}  // namespace

bool MapQso(const AdifRecord& record, ReplayQso* qso, AdifError* error) {
  return Mapper(record, error).Map(qso);
}
