#pragma once

#include "common/date_time.h"
#include "engine/host_args.h"

// The QSO's date-time value; a missing one reads as a null value, so that intake and removal
// treat it alike.
inline COleDateTime QsoTime(const QsoArgs& args) {
  if (args.time) return *args.time;
  COleDateTime none;
  none.m_status = COleDateTime::null;
  return none;
}
