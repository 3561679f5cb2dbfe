// The Qt backend beyond the toolkit's contract: message boxes, errors escaping Qt's handlers,
// the timer's rules, the choice list's buttons, key codes and a dialog's place.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "tests/support/qt/toolkit_testing.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/dialog_form.h"
#include "ui/toolkit/qt/form_keys.h"
#include "ui/toolkit/qt/radio_group.h"
#include "ui/toolkit/qt/widget.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/services.h"
#include "ui/toolkit/timer.h"
#include "ui_test_main.h"

namespace {

struct TSeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  bool plainButton = false;  // one "OK" without an icon
  bool centred = false;      // in the middle of its screen
};

// Records every box and closes it with the given key.
class TBoxCloser {
 public:
  explicit TBoxCloser(Qt::Key key = Qt::Key_Return) {
    gapwise::qt_testing::SetMessageBoxObserver([this, key](QMessageBox& box) {
      const QAbstractButton* ok = box.buttons().value(0);
      const QPoint middle = box.screen()->availableGeometry().center();
      seen.push_back({box.windowTitle(), box.text(), box.icon(),
                      static_cast<int>(box.buttons().size()),
                      ok != nullptr && ok->text() == QStringLiteral("OK") && ok->icon().isNull(),
                      (box.frameGeometry().center() - middle).manhattanLength() <= 2});
      QTest::keyClick(&box, key);
      if (box.isVisible()) box.done(0);  // the key did not close it: fail, but do not hang
      closedByKey.push_back(!box.isVisible());
    });
  }
  ~TBoxCloser() { gapwise::qt_testing::SetMessageBoxObserver({}); }

  std::vector<TSeenBox> seen;
  std::vector<bool> closedByKey;
};

// A widget whose handler of the user event fails, as a handler with a bad value would.
class TThrowingWidget : public QWidget {
 public:
  explicit TThrowingWidget(const char* message, QWidget* parent = nullptr)
      : QWidget(parent), message_(message) {}

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::runtime_error(message_);
    return QWidget::event(event);
  }

 private:
  const char* message_;
};

// A timer's remaining time in milliseconds, found through the event dispatcher.
int RemainingMs(const gapwise::TTimer& timer) {
  QObject* system = gapwise::qt::QtTimer(timer);
  if (system == nullptr) return -1;  // a timer that ticks only by hand
  const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(system);
  if (timers.isEmpty()) return -1;
  return QAbstractEventDispatcher::instance()->remainingTime(timers.first().timerId);
}

// A choice list on a window of its own, and the radio button of one of its items.
struct TGroupWindow {
  gapwise::TForm window{nullptr, gapwise::bsSingle};
  gapwise::TRadioGroup* group = window.Make<gapwise::TRadioGroup>(gapwise::TRect{0, 0, 89, 209});
  QRadioButton* Button(int index) const {
    return gapwise::qt::QtWidgetAs<gapwise::qt::TRadioGroup>(*group)->Button(index);
  }
};

}  // namespace

class TToolkitTest : public QObject {
  Q_OBJECT

 private slots:
  void messageBox_data();
  void messageBox();
  void errorInAHandlerIsShownAndTheProgramGoesOn();
  void errorInAGuardedHandlerIsShownThere();
  void errorInsideAModalDialogLeavesItOpen();
  void timerStartsEnabledAndKeepsItsPhase();
  void manualTicksOnlyWhileEnabled();
  void choiceListKeepsItsButtons();
  void virtualKeys_data();
  void virtualKeys();
  void dialogCentredOverTheWholeOwner();
};

void TToolkitTest::messageBox_data() {
  QTest::addColumn<int>("key");
  QTest::newRow("Enter") << int(Qt::Key_Return);
  QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
  QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TToolkitTest::messageBox() {
  QFETCH(int, key);
  TBoxCloser closer(static_cast<Qt::Key>(key));
  gapwise::ShowMessage(nullptr, "The answer is 05");
  QCOMPARE(closer.seen.size(), std::size_t{1});
  QCOMPARE(closer.seen[0].title, QStringLiteral("Gapwise"));
  QCOMPARE(closer.seen[0].text, QStringLiteral("The answer is 05"));
  QCOMPARE(closer.seen[0].icon, QMessageBox::NoIcon);
  QCOMPARE(closer.seen[0].buttons, 1);
  QVERIFY(closer.seen[0].plainButton);
  QVERIFY(closer.seen[0].centred);
  QVERIFY(closer.closedByKey[0]);
}

void TToolkitTest::errorInAHandlerIsShownAndTheProgramGoesOn() {
  TBoxCloser closer;
  TThrowingWidget widget("'x' is not a valid integer value");
  QEvent event(QEvent::User);
  QCoreApplication::sendEvent(&widget, &event);
  QCoreApplication::sendEvent(&widget, &event);
  QCOMPARE(closer.seen.size(), std::size_t{2});
  QCOMPARE(closer.seen[1].text, QStringLiteral("'x' is not a valid integer value."));
}

void TToolkitTest::errorInAGuardedHandlerIsShownThere() {
  TBoxCloser closer;
  QPushButton button;
  int after = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] {
    gapwise::RunHandler([&] {
      throw std::runtime_error("Failed to set data for 'ops'");
      ++after;  // never reached: the error ends the handler
    });
  });
  QTest::mouseClick(&button, Qt::LeftButton);
  QCOMPARE(closer.seen.size(), std::size_t{1});
  QCOMPARE(closer.seen[0].text, QStringLiteral("Failed to set data for 'ops'"));
  QCOMPARE(closer.seen[0].icon, QMessageBox::Critical);
  QCOMPARE(after, 0);
}

void TToolkitTest::errorInsideAModalDialogLeavesItOpen() {
  TBoxCloser closer;
  QDialog dialog;
  auto* widget = new TThrowingWidget("bad value", &dialog);
  bool openAfterError = false;
  QTimer::singleShot(0, &dialog, [&] {
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(widget, &event);
    openAfterError = dialog.isVisible();
    dialog.reject();
  });
  dialog.exec();
  QVERIFY(openAfterError);
  QCOMPARE(closer.seen.size(), std::size_t{1});
  QCOMPARE(closer.seen[0].text, QStringLiteral("bad value."));
}

void TToolkitTest::timerStartsEnabledAndKeepsItsPhase() {
  gapwise::qt_testing::SetManualTicks(false);
  gapwise::TTimer timer;
  gapwise::qt_testing::SetManualTicks(true);
  QVERIFY(timer.Enabled());
  QCOMPARE(timer.Interval(), 1000);
  QTest::qWait(300);
  timer.SetEnabled(true);  // no change: the running period goes on
  QVERIFY2(RemainingMs(timer) < 900, "enabling an enabled timer restarted it");
  timer.SetEnabled(false);
  QCOMPARE(RemainingMs(timer), -1);
  timer.SetEnabled(true);  // a fresh full period
  QVERIFY(RemainingMs(timer) > 900);
}

void TToolkitTest::manualTicksOnlyWhileEnabled() {
  gapwise::TTimer timer;
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  QCOMPARE(RemainingMs(timer), -1);  // no system timer behind it
  QVERIFY(timer.Fire());
  timer.SetEnabled(false);
  QVERIFY(!timer.Fire());
  timer.SetEnabled(true);
  QVERIFY(timer.Fire());
  QCOMPARE(ticks, 2);
}

void TToolkitTest::choiceListKeepsItsButtons() {
  TGroupWindow list;
  list.group->SetFont(gapwise::FontOf(19, gapwise::fsItalic));
  list.group->SetItems({"1", "2", "3", "4"});
  QRadioButton* third = list.Button(2);
  list.group->SetItems({"5", "6", "7", "8"});
  QCOMPARE(list.Button(2), third);
  QCOMPARE(list.group->Item(2), "7");
  QCOMPARE(list.Button(2)->text(), QStringLiteral("7"));
  // One column, rows sharing what the caption leaves (19-pixel italic: 21 high).
  list.group->SetItems({"1", "2", "3", "4"});
  QCOMPARE(list.Button(0)->geometry(), QRect(8, 23, 79, 45));
  QCOMPARE(list.Button(3)->geometry(), QRect(8, 158, 79, 45));
}

void TToolkitTest::virtualKeys_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("code");
  using gapwise::TKey;
  QTest::newRow("Up") << int(Qt::Key_Up) << int(TKey::Up);
  QTest::newRow("Down") << int(Qt::Key_Down) << int(TKey::Down);
  QTest::newRow("Left") << int(Qt::Key_Left) << int(TKey::Left);
  QTest::newRow("Right") << int(Qt::Key_Right) << int(TKey::Right);
  QTest::newRow("digit") << int(Qt::Key_7) << int(gapwise::DigitKey(7));
  QTest::newRow("letter") << int(Qt::Key_Q) << int(gapwise::LetterKey('Q'));
  QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(TKey::Backspace);
  QTest::newRow("Escape") << int(Qt::Key_Escape) << int(TKey::Escape);
  QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(TKey::Enter);
  QTest::newRow("F1") << int(Qt::Key_F1) << int(gapwise::FunctionKey(1));
  QTest::newRow("F3") << int(Qt::Key_F3) << int(gapwise::FunctionKey(3));
  QTest::newRow("unknown") << int(Qt::Key_VolumeUp) << int(TKey::None);
}

void TToolkitTest::virtualKeys() {
  QFETCH(int, key);
  QFETCH(int, code);
  QCOMPARE(int(gapwise::qt::KeyOf(key)), code);
}

// A title bar of 21 pixels and one-pixel borders: the dialog's frame is centred on the owner's.
void TToolkitTest::dialogCentredOverTheWholeOwner() {
  const QRect owner(372, 150, 259, 411);
  const QRect client = gapwise::qt::CentredOver(owner, QRect(373, 171, 257, 389), QSize(231, 254));
  QCOMPARE(client, QRect(386, 238, 231, 254));
  const QRect frame = client.adjusted(-1, -21, 1, 1);
  QVERIFY((frame.center() - owner.center()).manhattanLength() <= 1);
}

GAPWISE_UI_TEST_MAIN(TToolkitTest)
#include "toolkit_test.moc"
