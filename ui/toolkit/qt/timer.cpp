#include "ui/toolkit/qt/timer.h"

#include <QTimerEvent>

#include "ui/toolkit/qt/widget.h"
#include "ui/toolkit/timer.h"

namespace gapwise::qt {

TTimerDriver::TTimerDriver(TTimer& timer) : timer_(timer) {}

bool TTimerDriver::Start(int intervalMs) {
  id_ = startTimer(intervalMs, Qt::PreciseTimer);
  return id_ != 0;
}

void TTimerDriver::Stop() {
  if (id_ != 0) killTimer(id_);
  id_ = 0;
}

void TTimerDriver::timerEvent(QTimerEvent* event) {
  if (event->timerId() == id_) timer_.Tick();
}

}  // namespace gapwise::qt

namespace gapwise::qt {

QObject* QtTimer(const TTimer& timer) {
  return dynamic_cast<TTimerDriver*>(&timer.Driver());
}

}  // namespace gapwise::qt
