#include "ui/toolkit/timer.h"

#include <QTimerEvent>

namespace gapwise {
namespace {

bool& ManualTicks() {
  static bool manual = false;
  return manual;
}

}  // namespace

TTimer::TTimer(QObject* parent, int interval)
    : QObject(parent), manual_(ManualTicks()), interval_(interval) {
  SetEnabled(true);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  if (!enabled) {
    if (id_ != 0) killTimer(id_);
    id_ = 0;
    enabled_ = false;
    return;
  }
  if (!manual_) {
    id_ = startTimer(interval_, Qt::PreciseTimer);
    if (id_ == 0) throw EOutOfResources("Not enough timers available");
  }
  enabled_ = true;
}

void TTimer::SetManualTicks(bool manual) {
  ManualTicks() = manual;
}

bool TTimer::Fire() {
  if (!enabled_) return false;
  if (OnTimer) OnTimer();
  return true;
}

void TTimer::timerEvent(QTimerEvent* event) {
  if (event->timerId() == id_) Fire();
}

}  // namespace gapwise
