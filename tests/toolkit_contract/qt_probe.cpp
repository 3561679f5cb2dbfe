// The contract's probe on the Qt backend: clicks and keys through Qt Test on the widgets behind
// the controls, and message boxes read once their own loop runs.
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>

#include "probe.h"
#include "tests/support/qt/toolkit_testing.h"
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

class TQtProbe : public IToolkitProbe {
 public:
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
  void PressKey(TPress key) override {
    static constexpr Qt::Key kKeys[] = {Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Return,
                                        Qt::Key_Escape, Qt::Key_Up,      Qt::Key_Down,
                                        Qt::Key_Left,   Qt::Key_Right,   Qt::Key_7};
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) target = QApplication::activeWindow();
    if (key != TPress::ShiftTab) return QTest::keyClick(target, kKeys[static_cast<int>(key)]);
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
  std::vector<TBox> Boxes(const std::function<void()>& action,
                          const std::function<bool()>& closeWhen) override {
    std::vector<TBox> seen;
    qt_testing::SetMessageBoxObserver([&](QMessageBox& box) {
      seen.push_back({box.windowTitle().toStdString(), box.text().toStdString(),
                      box.icon() == QMessageBox::Critical});
      PumpUntil(closeWhen);
      QTest::keyClick(&box, Qt::Key_Return);
    });
    action();
    qt_testing::SetMessageBoxObserver({});
    return seen;
  }
};

}  // namespace

IToolkitProbe& Probe() {
  static TQtProbe probe;
  return probe;
}

}  // namespace gapwise::contract
