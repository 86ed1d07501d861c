#include "tools/replay.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <vector>

#include "common/string_util.h"
#include "reports/cabrillo_text.h"
#include "tools/adif_qso.h"
#include "tools/adif_reader.h"
#include "tools/console.h"
#include "tools/plugin_host.h"

namespace fs = std::filesystem;

namespace {

// Progress is redrawn every so many QSOs.
constexpr size_t kProgressStep = 50;

struct Failure {
  int code;
  std::string message;
};

bool ReadWholeFile(const std::string& path, std::string* text, std::string* reason) {
  std::error_code error;
  if (!fs::exists(path, error)) {
    *reason = "no such file";
    return false;
  }
  if (fs::is_directory(path, error)) {
    *reason = "it is a folder";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (!in.good() && !in.eof()) {
    *reason = "it cannot be read";
    return false;
  }
  *text = buffer.str();
  return true;
}

// The plug-in's names for its files.
std::string ReportName(const CalendarDate& date) {
  return FormatText("BadQSO_StatsKELM_%02d_%02d_%d.txt", date.day, date.month, date.year);
}

std::string CabrilloName(const std::string& ownCall) {
  return CabrilloFileStem(ownCall) + ".cbr";
}

std::string WithoutCarriageReturns(const std::string& text) {
  std::string result;
  std::copy_if(text.begin(), text.end(), std::back_inserter(result),
               [](char c) { return c != '\r'; });
  return result;
}

std::string DefaultPluginPath() {
  return ProgramFolder() + STATS_PLUGIN_NAME;
}

class Replay {
 public:
  Replay(const ReplayOptions& options, std::ostream& out, std::ostream& err)
      : m_options(options), m_out(out), m_err(err) {}

  // Throws Failure.
  void Run() {
    ReadLog();
    FixContest();
    const std::string pluginPath =
        fs::absolute(m_options.plugin.empty() ? DefaultPluginPath() : m_options.plugin).string();
    std::string error;
    std::unique_ptr<PluginHost> plugin = PluginHost::Load(pluginPath, &error);
    if (!plugin) throw Failure{kExitPlugin, error};
    EnterFolder();

    plugin->Reset(m_options.exportLog ? 1 : 0, m_ownCall, m_start, m_contestDate);
    int stored = 0;
    const bool progress = StderrIsTerminal();
    for (size_t i = 0; i < m_qsos.size(); ++i) {
      stored += plugin->Add(m_qsos[i], m_ownCall) == 1 ? 1 : 0;
      if (progress && ((i + 1) % kProgressStep == 0 || i + 1 == m_qsos.size())) {
        m_err << "\rQSO " << i + 1 << " of " << m_qsos.size() << std::flush;
      }
    }
    if (progress && !m_qsos.empty()) m_err << "\r" << std::string(40, ' ') << "\r" << std::flush;
    const std::string summary = plugin->Result();
    plugin.reset();

    m_out << WithoutCarriageReturns(summary) << "\n\n";
    m_out << "QSOs read: " << m_qsos.size() << ", stored: " << stored
          << ", rejected: " << m_qsos.size() - static_cast<size_t>(stored) << "\n";
    m_out << "Bad-QSO report: " << Place(ReportName(m_date)) << "\n";
    m_out << "Cabrillo log: "
          << (m_options.exportLog ? Place(CabrilloName(m_ownCall)) : "not written (add --export)")
          << "\n";
  }

 private:
  void ReadLog() {
    const std::string& path = m_options.logPath;
    std::string text;
    std::string reason;
    if (!ReadWholeFile(path, &text, &reason)) {
      throw Failure{kExitUnreadableLog, "cannot read " + path + ": " + reason};
    }
    const AdifLog log = ReadAdif(text);
    if (log.error) throw Failure{kExitMalformedLog, DescribeAdifError(path, *log.error)};
    for (const AdifRecord& record : log.records) {
      ReplayQso qso;
      AdifError error;
      if (!MapQso(record, &qso, &error)) {
        throw Failure{kExitMalformedLog, DescribeAdifError(path, error)};
      }
      m_qsos.push_back(qso);
    }
  }

  // Own call, contest date and start from the options, else from the log.
  void FixContest() {
    m_ownCall = m_options.call;
    for (size_t i = 0; i < m_qsos.size() && m_ownCall.empty(); ++i) m_ownCall = m_qsos[i].ownCall;
    if (m_ownCall.empty()) {
      throw Failure{
          kExitUsage,
          m_options.logPath + " names no own call (STATION_CALLSIGN or OPERATOR): give --call"};
    }
    const ReplayQso* earliest = nullptr;
    for (const ReplayQso& qso : m_qsos) {
      if (!earliest || qso.time.m_dt < earliest->time.m_dt) earliest = &qso;
    }
    if (!m_options.date && !earliest) {
      throw Failure{kExitUsage, m_options.logPath + " holds no QSO: give --date"};
    }
    m_date = m_options.date ? *m_options.date : earliest->date;
    ClockTime start;
    if (m_options.start) {
      start = *m_options.start;
    } else if (earliest) {
      start.hour = earliest->timeOn.hour;
    }
    m_contestDate = MakeDateTime(m_date.year, m_date.month, m_date.day);
    m_start = MakeDateTime(m_date.year, m_date.month, m_date.day, start.hour, start.minute);
  }

  // The plug-in writes into the current folder, its settings below Plugins.
  void EnterFolder() {
    std::error_code error;
    const fs::path folder = m_options.dir.empty() ? fs::path(".") : fs::path(m_options.dir);
    fs::create_directories(folder / "Plugins", error);
    if (!error) fs::current_path(folder, error);
    if (error) {
      throw Failure{kExitFolder,
                    "cannot use the folder " + folder.string() + ": " + error.message()};
    }
  }

  // Where a file of the working folder is, as the user named the folder.
  std::string Place(const std::string& name) const {
    std::error_code error;
    if (!fs::exists(name, error)) return "not written";
    return m_options.dir.empty() ? name : (fs::path(m_options.dir) / name).string();
  }

  const ReplayOptions& m_options;
  std::ostream& m_out;
  std::ostream& m_err;
  std::vector<ReplayQso> m_qsos;
  std::string m_ownCall;
  CalendarDate m_date;
  COleDateTime m_contestDate;
  COleDateTime m_start;
};

}  // namespace

int RunReplay(const ReplayOptions& options, const std::string& program, std::ostream& out,
              std::ostream& err) {
  try {
    Replay(options, out, err).Run();
    return kExitOk;
  } catch (const Failure& failure) {
    err << program << ": " << failure.message << "\n";
    return failure.code;
  }
}
