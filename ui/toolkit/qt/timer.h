// The timer's driver: a system timer of Qt's event loop, or ticks delivered only by hand.
#pragma once

#include <QObject>

#include "ui/toolkit/drivers.h"

namespace gapwise {
class TTimer;
}

namespace gapwise::qt {

class TTimerDriver : public QObject, public ITimerDriver {
 public:
  explicit TTimerDriver(TTimer& timer);

  bool Start(int intervalMs) override;
  void Stop() override;
  int Id() const { return id_; }

  // For tests: with manual ticks, timers made afterwards start no system timer, and ticks come
  // only through TTimer::Fire.
  static void SetManualTicks(bool manual);

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  TTimer& timer_;
  bool manual_;
  int id_ = 0;
};

}  // namespace gapwise::qt
