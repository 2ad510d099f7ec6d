#pragma once
// A message-loop timer with a millisecond interval that ticks while enabled.

#include <functional>

namespace moyo::platform {

class Timer {
 public:
  virtual ~Timer() = default;

  // Sets the interval; on a running timer the next tick comes one new
  // interval from now.
  virtual void SetInterval(int milliseconds) = 0;
  virtual int Interval() const = 0;
  // Starts or stops the ticks.
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;

  // Raised on every tick, on the user-interface thread.
  std::function<void()> OnTimer;
};

}  // namespace moyo::platform
