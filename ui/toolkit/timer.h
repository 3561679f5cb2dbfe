// The one-second timer of a window, with the toolkit's rules for enabling and disabling it.
#pragma once

#include <QObject>
#include <functional>
#include <stdexcept>

namespace gapwise {

// Raised when the system refuses a timer: "Not enough timers available".
class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Enabled from creation. Enabling a disabled timer starts a fresh full interval; setting Enabled
// to the value it has changes nothing, so a running period keeps its phase. Each tick calls
// OnTimer.
class TTimer : public QObject {
 public:
  explicit TTimer(QObject* parent = nullptr, int interval = 1000);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }

  std::function<void()> OnTimer;

  // For tests: with manual ticks, timers made afterwards start no system timer, and Fire()
  // delivers one tick when the timer is enabled (returning whether it did).
  static void SetManualTicks(bool manual);
  bool Fire();

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  bool manual_;
  bool enabled_ = false;
  int interval_;
  int id_ = 0;
};

}  // namespace gapwise
