#include "tests/support/host_api.h"

#include <gtest/gtest.h>

#include "tools/host_exports.h"

namespace stats_test {
namespace {

// The function types and decorated names of the exports.
using namespace host_exports;

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
