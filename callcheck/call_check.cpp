#include "callcheck/call_check.h"

#include <cstring>
#include <string>

#include "common/string_util.h"
#include "engine/tour.h"
#include "platform/clock.h"
#include "platform/module_lock.h"
#include "plugin/module_state.h"
#include "windows/view_refresh.h"

namespace {

// The tour of the current UTC hour, by the rule intake applies to a QSO's hour.
std::string CurrentTour() {
  return TourOf(FormatText("%02d", platform::Clock::Current().CurrentUtcHour()), g_startHour);
}

void RequestViewRefresh() {
  if (SetupWindowExists() && g_gridRefreshReady.load() != 0) {
    g_gridRefreshReady = 0;
    PostViewRefresh();
  }
}

// Copies the exchange with its terminator when it fits the host's buffer whole.
void PreFill(const std::string& exchange, char* buffer) {
  if (exchange.empty() || buffer == nullptr || g_masterFlag == 0) return;
  if (exchange.size() + 1 > static_cast<size_t>(kExchangeBufferSize)) return;
  std::memcpy(buffer, exchange.c_str(), exchange.size() + 1);
}

}  // namespace

int CheckCall(const CallCheckArgs& args) {
  RequestViewRefresh();
  if (!g_bands.Lookup(args.band) || !g_modes.Lookup(args.mode)) return 4;
  const std::string tour = CurrentTour();

  std::string previousExchange;
  bool duplicate = false;
  {
    platform::ModuleLock lock(platform::ModuleMutex());
    for (const CInfo& info : g_log) {
      if (info.m_strCall != args.call) continue;
      previousExchange = info.m_strNrRcvd;
      if (info.m_strBand == args.band && info.m_strMode == args.mode && info.m_strTour == tour) {
        duplicate = true;
        break;
      }
    }
  }
  if (duplicate) {
    g_gridRefreshReady = 0;
    return 0;
  }
  PreFill(previousExchange, args.exchange);
  return 1;
}
