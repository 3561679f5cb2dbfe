#include "ui/toolkit/timer.h"

#include "ui/toolkit/services.h"

namespace gapwise {

TTimer::TTimer(int interval) : driver_(Toolkit().CreateTimer(*this)), interval_(interval) {
  SetEnabled(true);
}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  if (!enabled) {
    driver_->Stop();
  } else if (!driver_->Start(interval_)) {
    throw EOutOfResources("Not enough timers available");
  }
  enabled_ = enabled;
}

void TTimer::Tick() {
  if (enabled_ && OnTimer) RunHandler(OnTimer);
}

bool TTimer::Fire() {
  if (!enabled_) return false;
  Tick();
  return true;
}

}  // namespace gapwise
