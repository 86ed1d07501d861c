#pragma once

namespace platform {

// The system clock, replaceable in tests.
class Clock {
 public:
  virtual ~Clock() = default;
  // Hour of the day (0..23) of the current time in UTC.
  virtual int CurrentUtcHour() = 0;

  static Clock& Current();
  // nullptr restores the system clock. Not thread-safe.
  static void InstallForTesting(Clock* clock);
};

}  // namespace platform
