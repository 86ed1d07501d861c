// The exported functions: they translate the host's arguments and call the subsystems.
#include <exception>

#include "callcheck/call_check.h"
#include "callcheck/set_description.h"
#include "common/string_util.h"
#include "engine/intake.h"
#include "engine/removal.h"
#include "engine/reset.h"
#include "plugin/module_state.h"
#include "plugin/stats_api.h"
#include "reports/score_summary.h"
#include "windows/window_thread.h"

namespace {

// Runs the call; any exception becomes the export's neutral result.
template <class Result, class Call>
Result Guarded(Result neutral, Call call) noexcept {
  try {
    return call();
  } catch (...) {
    return neutral;
  }
}

QsoArgs ToQsoArgs(Str ownCall, Str call, DatePtr time, unsigned int freqHz, Str mode, Str rstSent,
                  Str rstRcvd, Str nrSent, Str nrRcvd, Str prefix, Str aux, Str band) {
  QsoArgs args;
  args.ownCall = FromHost(ownCall);
  args.call = FromHost(call);
  args.time = time;
  args.freqHz = freqHz;
  args.mode = FromHost(mode);
  args.rstSent = FromHost(rstSent);
  args.rstRcvd = FromHost(rstRcvd);
  args.nrSent = FromHost(nrSent);
  args.nrRcvd = FromHost(nrRcvd);
  args.prefix = FromHost(prefix);
  args.aux = FromHost(aux);
  args.band = FromHost(band);
  return args;
}

const char kNoText[] = "";

}  // namespace

extern "C" {

int STATS_CALL ResetStats0(Str pathPrefix, int exportFlag, Str ownCall, DatePtr start,
                           DatePtr contestDate, Str, Str, Str, Str, Str, Str, Str, Str, Str,
                           Str ownPrefix, int, int, int, double, double, Str, Str, Str) {
  return Guarded(1, [&] {
    ResetArgs args;
    args.pathPrefix = FromHost(pathPrefix);
    args.exportFlag = exportFlag;
    args.ownCall = FromHost(ownCall);
    args.start = start;
    args.contestDate = contestDate;
    args.ownPrefix = FromHost(ownPrefix);
    return ResetStats(args);
  });
}

int STATS_CALL AddData0(Str ownCall, Str call, DatePtr time, DatePtr, DatePtr, DatePtr,
                        unsigned int, unsigned int freqHz, Str mode, Str rstSent, Str rstRcvd,
                        Str nrSent, Str nrRcvd, Str, Str, Str, Str, Str, Str, Str, Str, Str,
                        Str prefix, int, int, int, double, double, Str, Str aux, Str, Str band,
                        Str) {
  return Guarded(0, [&] {
    return AddQso(ToQsoArgs(ownCall, call, time, freqHz, mode, rstSent, rstRcvd, nrSent, nrRcvd,
                            prefix, aux, band));
  });
}

int STATS_CALL RemoveData0(Str ownCall, Str call, DatePtr time, DatePtr, DatePtr, DatePtr,
                           unsigned int, unsigned int freqHz, Str mode, Str rstSent, Str rstRcvd,
                           Str nrSent, Str nrRcvd, Str, Str, Str, Str, Str, Str, Str, Str, Str,
                           Str prefix, int, int, int, double, double, Str, Str aux, Str, Str band,
                           Str) {
  return Guarded(0, [&] {
    return RemoveQso(ToQsoArgs(ownCall, call, time, freqHz, mode, rstSent, rstRcvd, nrSent, nrRcvd,
                               prefix, aux, band));
  });
}

int STATS_CALL CheckCall0(Str call, unsigned int, unsigned int, Str mode, Str, Str, Str, Str, Str,
                          Str, Str, Str, Str, Str prefix, int, int, int, double, double, Str, Str,
                          Str, Str, Str, Str band, Str, char* exchange, char*) {
  return Guarded(1, [&] {
    CallCheckArgs args;
    args.call = FromHost(call);
    args.mode = FromHost(mode);
    args.prefix = FromHost(prefix);
    args.band = FromHost(band);
    args.exchange = exchange;
    return CheckCall(args);
  });
}

int STATS_CALL IsValidExchg0(Str exchange, Str, Str, Str, int, int, int) {
  return Guarded(0, [&] { return IsValidExchange(exchange); });
}

int STATS_CALL GetNumberOfSets(void) {
  return Guarded(1, [] { return NumberOfSets(); });
}

Str STATS_CALL GetSetName(int index) {
  return Guarded<Str>(kNoText, [&] { return SetName(index); });
}

void STATS_CALL SetupSet0(void) {
  Guarded(0, [] {
    ShowSetupNotice();
    return 0;
  });
}

Str STATS_CALL GetResult0(int* out) {
  return Guarded<Str>(kNoText, [&] { return BuildScoreSummary(out); });
}

Str STATS_CALL RunCommand0(int, Str command) {
  return Guarded<Str>(kNoText, [&] { return RunCommand(command); });
}

}  // extern "C"
