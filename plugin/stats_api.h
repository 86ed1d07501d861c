#pragma once

// The C surface the host calls. Conventions:
//  1. C calling convention; the full argument lists are declared so the stack layout matches
//     the host, positions the module does not read are ignored.
//  2. Texts are zero-terminated bytes in the host's ANSI code page; a null text is read as
//     empty. The module writes only into CheckCall0's exchange buffer (at most 10 bytes).
//  3. Date-times are pointers to the host's COleDateTime (double + status at offset 8).
//  4. Returned texts stay owned by the module: valid until the next call of the same export,
//     or, for constants, until unload.
//  5. No exception leaves an export: a failure gives the export's neutral result.
//  6. Exported under the plain and decorated names of exports.txt.

#include "common/date_time.h"

#if defined(_WIN32)
#define STATS_CALL __cdecl
#else
#define STATS_CALL
#endif

typedef const char* Str;
typedef COleDateTime* DatePtr;

extern "C" {

int STATS_CALL ResetStats0(Str pathPrefix, int exportFlag, Str ownCall, DatePtr start,
                           DatePtr contestDate, Str, Str, Str, Str, Str, Str, Str, Str, Str,
                           Str ownPrefix, int, int, int, double, double, Str, Str, Str);

int STATS_CALL AddData0(Str ownCall, Str call, DatePtr time, DatePtr, DatePtr, DatePtr,
                        unsigned int, unsigned int freqHz, Str mode, Str rstSent, Str rstRcvd,
                        Str nrSent, Str nrRcvd, Str, Str, Str, Str, Str, Str, Str, Str, Str,
                        Str prefix, int, int, int, double, double, Str, Str aux, Str, Str band,
                        Str);

int STATS_CALL RemoveData0(Str ownCall, Str call, DatePtr time, DatePtr, DatePtr, DatePtr,
                           unsigned int, unsigned int freqHz, Str mode, Str rstSent, Str rstRcvd,
                           Str nrSent, Str nrRcvd, Str, Str, Str, Str, Str, Str, Str, Str, Str,
                           Str prefix, int, int, int, double, double, Str, Str aux, Str, Str band,
                           Str);

int STATS_CALL CheckCall0(Str call, unsigned int, unsigned int, Str mode, Str, Str, Str, Str, Str,
                          Str, Str, Str, Str, Str prefix, int, int, int, double, double, Str, Str,
                          Str, Str, Str, Str band, Str, char* exchange, char*);

int STATS_CALL IsValidExchg0(Str exchange, Str, Str, Str, int, int, int);

// Also exported as GetExchgCount0: the same body serves both.
int STATS_CALL GetNumberOfSets(void);

Str STATS_CALL GetSetName(int index);

void STATS_CALL SetupSet0(void);

Str STATS_CALL GetResult0(int* out);

Str STATS_CALL RunCommand0(int, Str command);

}  // extern "C"
