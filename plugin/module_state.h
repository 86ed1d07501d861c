#pragma once

// Every module-level object of the plug-in. They are defined in module_state.cpp in this order,
// constructed at load and destroyed in reverse order at unload, after the application object's
// exit. g_log, g_workedBands and g_gridRows are shared with the window thread: touch them only
// while holding platform::ModuleLock.

#include <atomic>
#include <string>

#include "common/string_list.h"
#include "engine/contest_rules.h"
#include "engine/qso_record.h"
#include "platform/text_file.h"
#include "plugin/app.h"
#include "reports/cabrillo_log.h"
#include "windows/host_link.h"

class Setup_TARVI;
class oblast;
class DXCC;

extern CStringArray g_previousQsoBands;
extern CTestApp theApp;
extern CContestRules g_modes;
extern CContestRules g_bands;
extern CCabrilloLog g_cabrilloHeader;
extern CHostLink g_hostLink;
extern CInfoArray g_log;
extern std::string g_ownCall;
extern std::string g_contestDate;
extern std::string g_contestYear;
extern std::string g_hostVersion;
extern std::string g_reportFile;
extern std::string g_reportLine;
extern std::string g_commandResult;
extern std::string g_currentCall;
extern CStringArray g_workedBands;
extern const std::string g_iniSection;
extern const std::string g_iniFile;
extern std::string g_startHour;
extern std::string g_age;
extern CStringArray g_gridRows[6];
extern platform::TextFileReader g_reportReader;
extern std::string g_resultText;

extern int g_exportMode;
extern int g_homeRegion;
extern int g_masterFlag;
extern int g_score;
extern std::atomic<Setup_TARVI*> g_setupWindow;
extern std::atomic<oblast*> g_kdaWindow;
extern std::atomic<DXCC*> g_dxccWindow;
extern void* g_hostDispatch;
extern std::atomic<int> g_gridRefreshReady;
extern int g_currentBandIndex;
extern int g_windowsOnTop;
extern double g_lastSp1Frequency;
