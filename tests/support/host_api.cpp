#include "tests/support/host_api.h"

#include <gtest/gtest.h>

namespace stats_test {
namespace {

using Str = const char*;
using Date = COleDateTime*;
using ResetFn = int (*)(Str, int, Str, Date, Date, Str, Str, Str, Str, Str, Str, Str, Str, Str, Str,
                        int, int, int, double, double, Str, Str, Str);
using QsoFn = int (*)(Str, Str, Date, Date, Date, Date, unsigned int, unsigned int, Str, Str, Str,
                      Str, Str, Str, Str, Str, Str, Str, Str, Str, Str, Str, Str, int, int, int,
                      double, double, Str, Str, Str, Str, Str);
using CheckFn = int (*)(Str, unsigned int, unsigned int, Str, Str, Str, Str, Str, Str, Str, Str,
                        Str, Str, Str, int, int, int, double, double, Str, Str, Str, Str, Str, Str,
                        Str, char*, char*);
using ResultFn = Str (*)(int*);
using CommandFn = Str (*)(int, Str);

const char kReset[] = "?ResetStats0@@YAHPBDH0PAVCOleDateTime@ATL@@10000000000HHHNN000@Z";
const char kAdd[] = "?AddData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z";
const char kRemove[] = "?RemoveData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z";
const char kCheck[] = "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z";
const char kResult[] = "?GetResult0@@YAPBDPAH@Z";
const char kCommand[] = "?RunCommand0@@YAPBDHPBD@Z";

// What the host passes in positions the module does not read.
const char kUnread[] = "unread";

template <class Fn>
Fn Resolve(PluginLibrary& library, const char* name) {
  Fn fn = library.Get<Fn>(name);
  if (!fn) ADD_FAILURE() << "missing export " << name;
  return fn;
}

int CallQso(QsoFn fn, const HostQso& q) {
  COleDateTime time = q.time;
  COleDateTime other = MakeDateTime(2001, 2, 3, 4, 5);
  const Str u = kUnread;
  return fn(q.ownCall.c_str(), q.call.c_str(), &time, &other, &other, &other, 7u, q.freqHz,
            q.mode.c_str(), q.rstSent.c_str(), q.rstRcvd.c_str(), q.nrSent.c_str(),
            q.nrRcvd.c_str(), u, u, u, u, u, u, u, u, u, q.prefix.c_str(), 24, 25, 26, 27.5, 28.5,
            u, q.aux.c_str(), u, q.band.c_str(), u);
}

}  // namespace

Host::Host() {
  for (const char* name : {kReset, kAdd, kRemove, kCheck, kResult, kCommand}) {
    if (!m_library.Find(name)) ADD_FAILURE() << "missing export " << name;
  }
}

int Host::Reset(const HostReset& r) {
  auto fn = Resolve<ResetFn>(m_library, kReset);
  if (!fn) return -1;
  COleDateTime start = r.start;
  COleDateTime date = r.contestDate;
  const Str u = kUnread;
  return fn(r.pathPrefix.c_str(), r.exportFlag, r.ownCall.c_str(), &start, &date, u, u, u, u, u, u,
            u, u, u, r.ownPrefix.c_str(), 16, 17, 18, 19.5, 20.5, u, u, u);
}

int Host::Add(const HostQso& qso) {
  auto fn = Resolve<QsoFn>(m_library, kAdd);
  return fn ? CallQso(fn, qso) : -1;
}

int Host::Remove(const HostQso& qso) {
  auto fn = Resolve<QsoFn>(m_library, kRemove);
  return fn ? CallQso(fn, qso) : -1;
}

int Host::CheckCall(const char* call, const char* mode, const char* band, char* exchange,
                    const char* prefix) {
  auto fn = Resolve<CheckFn>(m_library, kCheck);
  if (!fn) return -1;
  const Str u = kUnread;
  char other[16] = "untouched";
  return fn(call, 2u, 3u, mode, u, u, u, u, u, u, u, u, u, prefix, 15, 16, 17, 18.5, 19.5, u, u, u,
            u, u, band, u, exchange, other);
}

std::string Host::Result(int* out) {
  auto fn = Resolve<ResultFn>(m_library, kResult);
  if (!fn) return std::string();
  const char* text = fn(out);
  return text ? text : "(null)";
}

const char* Host::RunCommand(const char* command) {
  auto fn = Resolve<CommandFn>(m_library, kCommand);
  return fn ? fn(0, command) : nullptr;
}

}  // namespace stats_test
