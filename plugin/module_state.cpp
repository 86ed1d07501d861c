// The module-level objects, in the order in which they are constructed at load.
#include "plugin/module_state.h"

namespace {
const char* const kModes[] = {"CW", "SSB", "RTTY"};
const char* const kBands[] = {"160m", "80m", "40m"};
}  // namespace

CStringArray g_previousQsoBands;
CTestApp theApp;
CContestRules g_modes(kModes, 3);
CContestRules g_bands(kBands, 3);
CCabrilloLog g_cabrilloHeader;
CHostLink g_hostLink;
CInfoArray g_log;
std::string g_ownCall;
std::string g_contestDate;
std::string g_contestYear;
std::string g_hostVersion;
std::string g_reportFile;
std::string g_reportLine;
std::string g_commandResult;
std::string g_currentCall;
CStringArray g_workedBands;
const std::string g_iniSection = "Settings";
const std::string g_iniFile = "Plugins\\KELM.ini";
std::string g_startHour;
std::string g_age;
CStringArray g_gridRows[6];
platform::TextFileReader g_reportReader;
std::string g_resultText;

int g_exportMode = 0;
int g_homeRegion = 0;
int g_masterFlag = 0;
int g_score = 0;
std::atomic<Setup_TARVI*> g_setupWindow{nullptr};
std::atomic<oblast*> g_kdaWindow{nullptr};
std::atomic<DXCC*> g_dxccWindow{nullptr};
void* g_hostDispatch = nullptr;
std::atomic<int> g_gridRefreshReady{1};
int g_currentBandIndex = -1;
int g_windowsOnTop = 0;
double g_lastSp1Frequency = 0.0;
