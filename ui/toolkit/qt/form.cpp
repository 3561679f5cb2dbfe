#include "ui/toolkit/qt/form.h"

#include <QBasicTimer>
#include <QEvent>
#include <QTimerEvent>

#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/announcer.h"
#include "ui/toolkit/qt/dialog_form.h"
#include "ui/toolkit/qt/driver.h"
#include "ui/toolkit/qt/form_keys.h"

namespace gapwise::qt {
namespace {

constexpr Qt::WindowFlags kMainWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

QWidget* MakeWindow(IFormDriver* owner, TFormBorder border) {
  if (border == bsDialog) return new TDialogForm(owner ? WidgetOf(*owner) : nullptr);
  return new QWidget(owner ? WidgetOf(*owner) : nullptr, kMainWindowFlags);
}

// Tells the form when its window is on the screen, and when it has been hidden, whoever closed
// it.
class TShowWatcher : public QObject {
 public:
  TShowWatcher(TForm& form, QWidget* window) : QObject(window), form_(form) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && !static_cast<QWidget*>(watched)->isMinimized()) {
      settle_.start(TForm::kSettleMs, this);
    } else if (event->type() == QEvent::Hide) {
      settle_.stop();
      form_.Closed();
    }
    return false;
  }
  void timerEvent(QTimerEvent* event) override {
    if (event->timerId() != settle_.timerId()) return;
    settle_.stop();
    form_.Shown();
  }

 private:
  TForm& form_;
  QBasicTimer settle_;
};

class TFormDriver : public TDriver<IFormDriver, QWidget> {
 public:
  TFormDriver(TForm& form, IFormDriver* owner, TFormBorder border)
      : TDriver(MakeWindow(owner, border)),
        watcher_(new TShowWatcher(form, &W())),
        keys_(new TFormKeys(form, &W())) {}
  // The form is going: its window, hidden as it is deleted, tells it nothing more.
  ~TFormDriver() override {
    delete watcher_;
    delete keys_;
  }

  void SetText(const std::string& text) override { W().setWindowTitle(QtText(text)); }
  void SetBounds(const TRect& r) override { W().setFixedSize(r.Width, r.Height); }
  void MoveTo(int left, int top) override { W().move(left, top); }
  void SetPosition(TPosition position) override {
    if (auto* dialog = dynamic_cast<TDialogForm*>(&W())) {
      dialog->SetCentred(position == poOwnerFormCenter);
    }
  }
  void ShowModal() override {
    if (auto* dialog = qobject_cast<QDialog*>(&W())) {
      dialog->exec();
    } else {
      W().show();
    }
  }
  void Close() override { W().close(); }

  // The form decides on key preview (TFormKeys tells it of every key).
  void SetKeyPreview(bool /*preview*/) override {}
  void SetTabOrder(const std::vector<IControlDriver*>& order) override {
    QWidget* previous = nullptr;
    for (IControlDriver* driver : order) {
      auto* holder = dynamic_cast<TWidgetHolder*>(driver);
      QWidget* next = holder ? holder->TabWidget() : nullptr;
      if (previous != nullptr && next != nullptr) QWidget::setTabOrder(previous, next);
      previous = next;
    }
  }
  // The announcer is made with the first text.
  void Announce(const std::string& text) override {
    if (announcer_ == nullptr) {
      announcer_ = new TAnnouncer(&W());
      announcer_->show();
    }
    announcer_->Announce(QtText(text));
  }

 private:
  TShowWatcher* watcher_;
  TFormKeys* keys_;
  TAnnouncer* announcer_ = nullptr;
};

}  // namespace

std::unique_ptr<IFormDriver> MakeForm(TForm& form, IFormDriver* owner, TFormBorder border) {
  return std::make_unique<TFormDriver>(form, owner, border);
}

}  // namespace gapwise::qt
