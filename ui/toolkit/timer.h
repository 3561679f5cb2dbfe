// The one-second timer of a window, with the toolkit's rules for enabling and disabling it.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>

#include "ui/toolkit/drivers.h"

namespace gapwise {

// Raised when the system refuses a timer: "Not enough timers available".
class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Enabled from creation. Enabling a disabled timer starts a fresh full interval; setting Enabled
// to the value it has changes nothing, so a running period keeps its phase. Each tick calls
// OnTimer, showing an error that escapes it.
class TTimer {
 public:
  explicit TTimer(int interval = 1000);
  ~TTimer();
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }

  std::function<void()> OnTimer;

  // From the driver: the interval has passed.
  void Tick();
  // Delivers one tick now when the timer is enabled, and says whether it did.
  bool Fire();

  ITimerDriver& Driver() const { return *driver_; }

 private:
  std::unique_ptr<ITimerDriver> driver_;
  bool enabled_ = false;
  int interval_;
};

}  // namespace gapwise
