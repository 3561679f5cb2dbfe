#include "tests/support/qt/toolkit_testing.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <utility>

#include "ui/toolkit/qt/toolkit.h"

namespace gapwise::qt_testing {
namespace {

struct THooks {
  bool manualTicks = false;
  std::function<void()> beep;
  FileOpener opener;
  MessageBoxObserver boxes;
};

THooks& Hooks() {
  static THooks hooks;
  return hooks;
}

class TManualTimer : public ITimerDriver {
 public:
  bool Start(int /*intervalMs*/) override { return true; }
  void Stop() override {}
};

class TTestingToolkit : public qt::TQtToolkit {
 public:
  std::unique_ptr<ITimerDriver> CreateTimer(TTimer& timer) override {
    if (Hooks().manualTicks) return std::make_unique<TManualTimer>();
    return TQtToolkit::CreateTimer(timer);
  }
  void Beep() override {
    if (!Hooks().beep) return TQtToolkit::Beep();
    Hooks().beep();
  }
  void ShellOpen(TForm* owner, const std::string& path) override {
    if (!Hooks().opener) return TQtToolkit::ShellOpen(owner, path);
    Hooks().opener(QString::fromStdString(path));
  }
};

// Hands each message box that is shown to the observer once the box's own loop runs.
class TBoxFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box != nullptr && event->type() == QEvent::Show) {
      QTimer::singleShot(0, box, [box] {
        if (Hooks().boxes) Hooks().boxes(*box);
      });
    }
    return false;
  }
};

}  // namespace

void SetManualTicks(bool manual) {
  Hooks().manualTicks = manual;
}

void SetBeepObserver(std::function<void()> observer) {
  Hooks().beep = std::move(observer);
}

void SetFileOpener(FileOpener opener) {
  Hooks().opener = std::move(opener);
}

void SetMessageBoxObserver(MessageBoxObserver observer) {
  static QPointer<TBoxFilter> filter;
  if (filter == nullptr) {
    filter = new TBoxFilter(qApp);
    qApp->installEventFilter(filter);
  }
  Hooks().boxes = std::move(observer);
}

}  // namespace gapwise::qt_testing

namespace gapwise {

IToolkit& Toolkit() {
  static qt_testing::TTestingToolkit toolkit;
  return toolkit;
}

}  // namespace gapwise
