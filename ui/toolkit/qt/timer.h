// The timer's driver: a system timer of Qt's event loop.
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

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  TTimer& timer_;
  int id_ = 0;
};

}  // namespace gapwise::qt
