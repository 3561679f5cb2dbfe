// The contract's probe on the Qt backend: clicks and keys through Qt Test on the widgets behind
// the controls, and message boxes read once their own loop runs.
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "probe.h"
#include "ui/toolkit/qt/announcer.h"
#include "ui/toolkit/qt/radio_group.h"
#include "ui/toolkit/qt/widget.h"

namespace gapwise::contract {
namespace {

QWidget* W(const TControl& control) {
  return qt::QtWidget(control);
}

QRadioButton* ItemOf(const TRadioGroup& group, int index) {
  return qt::QtWidgetAs<qt::TRadioGroup>(group)->Button(index);
}

// Reads every message box once it is shown, then presses Enter in it.
class TBoxReader : public QObject {
 public:
  TBoxReader() { qApp->installEventFilter(this); }
  ~TBoxReader() override { qApp->removeEventFilter(this); }
  std::vector<TBox> seen;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box != nullptr && event->type() == QEvent::Show) {
      QTimer::singleShot(0, box, [this, box] {
        seen.push_back({box->windowTitle().toStdString(), box->text().toStdString(),
                        box->icon() == QMessageBox::Critical});
        QTest::keyClick(box, Qt::Key_Return);
      });
    }
    return false;
  }
};

class TQtProbe : public IToolkitProbe {
 public:
  bool HasKeyboard() const override { return true; }
  void Activate(TForm& form) override {
    form.Show();
    W(form)->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(W(form)));  // offscreen: at once
  }
  void Click(const TButton& button) override { QTest::mouseClick(W(button), Qt::LeftButton); }
  void ClickItem(const TRadioGroup& group, int index) override {
    QTest::mouseClick(ItemOf(group, index), Qt::LeftButton);
  }
  // Shift+Tab comes as Backtab with Shift held, without a key event of Shift itself, as the
  // Win32 probe sends it.
  void PressKey(TKey key) override {
    static constexpr Qt::Key kKeys[] = {Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Return,
                                        Qt::Key_Escape, Qt::Key_Up,      Qt::Key_Down,
                                        Qt::Key_Left,   Qt::Key_Right,   Qt::Key_7};
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) target = QApplication::activeWindow();
    if (key != TKey::ShiftTab) return QTest::keyClick(target, kKeys[static_cast<int>(key)]);
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, Qt::Key_Backtab, Qt::ShiftModifier);
      QApplication::sendEvent(target, &event);
    }
  }

  std::string Caption(const TControl& control) override {
    const QWidget* widget = W(control);
    if (widget->isWindow()) return widget->windowTitle().toStdString();
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text().toStdString();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      return button->text().toStdString();
    }
    if (auto* group = dynamic_cast<const qt::TRadioGroup*>(widget)) {
      return group->Caption().toStdString();
    }
    return {};
  }
  bool Shown(const TControl& control) override { return W(control)->isVisible(); }
  bool HasFocus(const TControl& control) override { return W(control)->hasFocus(); }
  bool ItemHasFocus(const TRadioGroup& group, int index) override {
    return ItemOf(group, index)->hasFocus();
  }
  bool ItemChecked(const TRadioGroup& group, int index) override {
    return ItemOf(group, index)->isChecked();
  }
  std::string Announced(const TForm& form) override {
    const auto* announcer = W(form)->findChild<qt::TAnnouncer*>();
    return announcer == nullptr ? "" : announcer->Text().toStdString();
  }

  bool PumpUntil(const std::function<bool()>& done) override { return QTest::qWaitFor(done, 5000); }
  std::vector<TBox> Boxes(const std::function<void()>& action) override {
    TBoxReader reader;
    action();
    return reader.seen;
  }
};

}  // namespace

IToolkitProbe& Probe() {
  static TQtProbe probe;
  return probe;
}

}  // namespace gapwise::contract
