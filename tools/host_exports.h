#pragma once

// The plug-in's exports as the host resolves them: the decorated names and the full argument
// lists, so that the stack layout is the host's.

#include "common/date_time.h"

namespace host_exports {

#if defined(_WIN32)
#define HOST_EXPORTS_CALL __cdecl
#else
#define HOST_EXPORTS_CALL
#endif

using Str = const char*;
using Date = COleDateTime*;

using ResetFn = int(HOST_EXPORTS_CALL*)(Str, int, Str, Date, Date, Str, Str, Str, Str, Str, Str,
                                        Str, Str, Str, Str, int, int, int, double, double, Str, Str,
                                        Str);
using QsoFn = int(HOST_EXPORTS_CALL*)(Str, Str, Date, Date, Date, Date, unsigned int, unsigned int,
                                      Str, Str, Str, Str, Str, Str, Str, Str, Str, Str, Str, Str,
                                      Str, Str, Str, int, int, int, double, double, Str, Str, Str,
                                      Str, Str);
using CheckFn = int(HOST_EXPORTS_CALL*)(Str, unsigned int, unsigned int, Str, Str, Str, Str, Str,
                                        Str, Str, Str, Str, Str, Str, int, int, int, double, double,
                                        Str, Str, Str, Str, Str, Str, Str, char*, char*);
using ResultFn = Str(HOST_EXPORTS_CALL*)(int*);
using CommandFn = Str(HOST_EXPORTS_CALL*)(int, Str);

inline constexpr char kReset[] = "?ResetStats0@@YAHPBDH0PAVCOleDateTime@ATL@@10000000000HHHNN000@Z";
inline constexpr char kAdd[] =
    "?AddData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z";
inline constexpr char kRemove[] =
    "?RemoveData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z";
inline constexpr char kCheck[] = "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z";
inline constexpr char kResult[] = "?GetResult0@@YAPBDPAH@Z";
inline constexpr char kCommand[] = "?RunCommand0@@YAPBDHPBD@Z";

}  // namespace host_exports
