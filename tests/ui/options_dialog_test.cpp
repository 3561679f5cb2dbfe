// The options dialog driven through its controls: what it shows, what OK writes at each step,
// the messages word for word, the time-limit box's key filter, and its look.
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTestEventList>
#include <QTimer>
#include <array>

#include "dialog_support.h"
#include "settings/hive/hive_registry.h"
#include "settings/store.h"
#include "tests/support/qt/toolkit_testing.h"
#include "ui/forms/options_dialog.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/widget.h"
#include "ui_test_main.h"

using gapwise::TDrillSettings;
using gapwise::TForm2;
using Ops = QList<int>;
Q_DECLARE_METATYPE(TDrillSettings)

namespace gapwise {

// How a failed comparison prints the settings.
char* toString(const TDrillSettings& s) {
  const QString text = QString(
                           "Ops %1,%2,%3,%4 Checked %5 ShowRight %6 TimeLimited %7 "
                           "TimeLimit %8 MultChoice %9")
                           .arg(s.Ops[0])
                           .arg(s.Ops[1])
                           .arg(s.Ops[2])
                           .arg(s.Ops[3])
                           .arg(s.Checked)
                           .arg(s.ShowRight)
                           .arg(s.TimeLimited)
                           .arg(s.TimeLimit)
                           .arg(s.MultChoice);
  return qstrdup(qPrintable(text));
}

}  // namespace gapwise

using gapwise::testing::Control;
using gapwise::testing::SaveScreenshot;

namespace {

constexpr const char* kNoKind = "Please select at least one question type.";
constexpr const char* kNoLimit = "Please enter a valid time limit";
constexpr const char* kTooShort = "Time limit can be at least 5 secs.";

QDialog& Dialog(const TForm2& form) {
  return *gapwise::qt::QtWidgetAs<QDialog>(form.Form());
}

QCheckBox* Box(QWidget& dialog, int number) {
  return Control<QCheckBox>(dialog, qPrintable(QString("CheckBox%1").arg(number)));
}

QLineEdit* Edit1(QWidget& dialog) {
  return Control<QLineEdit>(dialog, "Edit1");
}

// Records the text of every message or error box and closes it with its OK button.
struct TMessages {
  QStringList texts;
  QList<QMessageBox::Icon> icons;
  TMessages() {
    gapwise::qt_testing::SetMessageBoxObserver([this](QMessageBox& box) {
      texts << box.text();
      icons << box.icon();
      box.button(QMessageBox::Ok)->click();
    });
  }
  ~TMessages() { gapwise::qt_testing::SetMessageBoxObserver({}); }
};

void PressOk(QWidget& dialog) {
  QTest::mouseClick(Control<QPushButton>(dialog, "Button1"), Qt::LeftButton);
}

void PressCancel(QWidget& dialog) {
  QTest::mouseClick(Control<QPushButton>(dialog, "Button2"), Qt::LeftButton);
}

TDrillSettings Settings(Ops ops, int checked, bool showRight, bool timeLimited, int timeLimit,
                        bool multChoice) {
  TDrillSettings settings;
  for (int i = 0; i < 4; ++i) settings.Ops[i] = static_cast<std::uint8_t>(ops[i]);
  settings.Checked = static_cast<std::uint8_t>(checked);
  settings.ShowRight = showRight;
  settings.TimeLimited = timeLimited;
  settings.TimeLimit = timeLimit;
  settings.MultChoice = multChoice;
  return settings;
}

}  // namespace

class TOptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void opening_data();
  void opening();
  void timeLimit_data();
  void timeLimit();
  void notAnInteger_data();
  void notAnInteger();
  void noKindTicked();
  void messageThenCancel();
  void timeLimitOffThenOn();
  void closingChangesNothing_data();
  void closingChangesNothing();
  void divisionAloneIsSaved();
  void filter_data();
  void filter();
  void pasteKeepsTheLimit();
  void contextMenuWithoutShortcuts();
  void keys();
  void tabOrder();
  void layout_data();
  void layout();
  void frame();
  void centredOverOwner();
};

void TOptionsDialogTest::opening_data() {
  QTest::addColumn<TDrillSettings>("settings");
  QTest::addColumn<QList<bool>>("ticked");  // CheckBox1 to CheckBox7
  QTest::addColumn<QString>("edit");
  const Ops all{0, 1, 2, 3};
  QTest::newRow("defaults") << TDrillSettings{}
                            << QList<bool>{true, true, true, true, true, true, false} << "30";
}

void TOptionsDialogTest::opening() {
  QFETCH(TDrillSettings, settings);
  QFETCH(QList<bool>, ticked);
  QFETCH(QString, edit);
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  for (int i = 0; i < 7; ++i) QCOMPARE(Box(dialog, i + 1)->isChecked(), ticked[i]);
  QCOMPARE(Edit1(dialog)->text(), edit);
  // OK without changes keeps the kinds dealt and the time limit.
  TMessages messages;
  const TDrillSettings before = settings;
  dialog.show();
  PressOk(dialog);
  if (!messages.texts.isEmpty()) QCOMPARE(messages.texts, QStringList{kTooShort});
  QCOMPARE(gapwise::KindsDealt(settings), gapwise::KindsDealt(before));
  QCOMPARE(settings.TimeLimit, before.TimeLimit);
}

void TOptionsDialogTest::timeLimit_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("limit");
  QTest::newRow("05") << "05"
                      << "" << 5;
  QTest::newRow("4") << "4" << kTooShort << 30;
  QTest::newRow("empty") << "" << kNoLimit << 30;
}

// The time limit goes on with a ticked box; the settings start with it off at 30 seconds.
void TOptionsDialogTest::timeLimit() {
  QFETCH(QString, text);
  QFETCH(QString, message);
  QFETCH(int, limit);
  TMessages messages;
  TDrillSettings settings = Settings({0, 1, 2, 3}, 4, true, false, 30, false);
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  Box(dialog, 5)->setChecked(true);
  Edit1(dialog)->setText(text);
  PressOk(dialog);
  QCOMPARE(messages.texts, message.isEmpty() ? QStringList{} : QStringList{message});
  QCOMPARE(settings.TimeLimit, limit);
  QCOMPARE(settings.TimeLimited, message.isEmpty());
  QCOMPARE(dialog.isVisible(), !message.isEmpty());
  QCOMPARE(Edit1(dialog)->text(), text);
}

void TOptionsDialogTest::notAnInteger_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("error");
  QTest::newRow("letters") << "abc"
                           << "'abc' is not a valid integer value.";
}

// OK ends in the error box; what it wrote before the conversion stays, and the dialog is open.
void TOptionsDialogTest::notAnInteger() {
  QFETCH(QString, text);
  QFETCH(QString, error);
  TMessages messages;
  TDrillSettings settings = Settings({0, 1, 2, 3}, 4, true, false, 30, false);
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  Box(dialog, 1)->setChecked(false);
  Box(dialog, 6)->setChecked(false);
  Box(dialog, 7)->setChecked(true);
  Box(dialog, 5)->setChecked(true);
  Edit1(dialog)->setText(text);
  PressOk(dialog);
  QCOMPARE(messages.texts, QStringList{error});
  QCOMPARE(messages.icons, QList<QMessageBox::Icon>{QMessageBox::Critical});
  QVERIFY(dialog.isVisible());
  QCOMPARE(settings, Settings({1, 2, 3, 3}, 3, false, false, 30, true));
}

void TOptionsDialogTest::noKindTicked() {
  TMessages messages;
  const TDrillSettings before = Settings({2, 0, 1, 3}, 3, true, true, 45, false);
  TDrillSettings settings = before;
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  for (int i = 1; i <= 4; ++i) Box(dialog, i)->setChecked(false);
  Box(dialog, 6)->setChecked(false);
  Box(dialog, 7)->setChecked(true);
  Box(dialog, 5)->setChecked(false);
  PressOk(dialog);
  QCOMPARE(messages.texts, QStringList{kNoKind});
  QCOMPARE(messages.icons, QList<QMessageBox::Icon>{QMessageBox::NoIcon});
  QCOMPARE(settings, before);
  QVERIFY(dialog.isVisible());
  QVERIFY(Box(dialog, 7)->isChecked());  // the controls stay as the user left them
}

// The steps before the time limit stay in force after its message, also through Cancel.
void TOptionsDialogTest::messageThenCancel() {
  TMessages messages;
  TDrillSettings settings = Settings({0, 1, 2, 3}, 4, true, true, 30, false);
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  Box(dialog, 6)->setChecked(false);
  Box(dialog, 7)->setChecked(true);
  Edit1(dialog)->setFocus();
  QTest::keyClick(Edit1(dialog), Qt::Key_Backspace);
  QTest::keyClick(Edit1(dialog), Qt::Key_Backspace);
  QTest::keyClicks(Edit1(dialog), "3");
  QCOMPARE(Edit1(dialog)->text(), "3");
  PressOk(dialog);
  QCOMPARE(messages.texts, QStringList{kTooShort});
  QVERIFY(dialog.isVisible());
  PressCancel(dialog);
  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.result(), int(QDialog::Rejected));
  QCOMPARE(settings, Settings({0, 1, 2, 3}, 4, false, true, 30, true));
}

void TOptionsDialogTest::timeLimitOffThenOn() {
  TMessages messages;
  TDrillSettings settings = Settings({0, 1, 2, 3}, 4, true, true, 45, false);
  {
    TForm2 form(nullptr, settings);
    QDialog& dialog = Dialog(form);
    dialog.show();
    Box(dialog, 5)->setChecked(false);
    PressOk(dialog);
    QVERIFY(!dialog.isVisible());
  }
  QCOMPARE(settings.TimeLimited, false);
  QCOMPARE(settings.TimeLimit, 45);
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  QCOMPARE(Edit1(dialog)->text(), "");
  QVERIFY(!Box(dialog, 5)->isChecked());
  Box(dialog, 5)->setChecked(true);
  PressOk(dialog);
  QCOMPARE(messages.texts, QStringList{kNoLimit});
  QCOMPARE(settings.TimeLimited, false);
  QCOMPARE(settings.TimeLimit, 45);
  QVERIFY(dialog.isVisible());
}

void TOptionsDialogTest::closingChangesNothing_data() {
  QTest::addColumn<bool>("byCloseButton");
  QTest::newRow("Cancel") << false;
  QTest::newRow("title bar's close button") << true;
}

void TOptionsDialogTest::closingChangesNothing() {
  QFETCH(bool, byCloseButton);
  TMessages messages;
  const TDrillSettings before = Settings({1, 3, 0, 2}, 2, false, true, 12, false);
  TDrillSettings settings = before;
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  for (int i = 1; i <= 7; ++i) Box(dialog, i)->setChecked(!Box(dialog, i)->isChecked());
  Edit1(dialog)->setText("600");
  if (byCloseButton) {
    dialog.close();
  } else {
    PressCancel(dialog);
  }
  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.result(), int(QDialog::Rejected));
  QCOMPARE(settings, before);
  QCOMPARE(messages.texts, QStringList{});
}

// Ticking division alone and saving stores the count 1 and the bytes 3, 1, 2, 3.
void TOptionsDialogTest::divisionAloneIsSaved() {
  TDrillSettings settings;
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  for (int i = 1; i <= 3; ++i) Box(dialog, i)->setChecked(false);
  PressOk(dialog);
  QTemporaryDir folder;
  gapwise::THiveRegistry registry({(folder.path() + "/user.reg").toStdString(), ""});
  gapwise::SaveSettings(settings, registry);
  using gapwise::reg::Status, gapwise::reg::Type;
  gapwise::reg::Key key = 0;
  QCOMPARE(registry.OpenKey(gapwise::reg::Root::CurrentUser, "Software\\Ardentree\\Gapwise",
                            gapwise::reg::kRead, key),
           Status::Success);
  std::array<std::uint8_t, 8> data{};
  Type type = Type::None;
  std::uint32_t size = data.size();
  QCOMPARE(registry.QueryValue(key, "ops", &type, data.data(), &size), Status::Success);
  QCOMPARE(type, Type::Binary);
  QCOMPARE(size, 4u);
  QCOMPARE((Ops{data[0], data[1], data[2], data[3]}), (Ops{3, 1, 2, 3}));
  size = data.size();
  QCOMPARE(registry.QueryValue(key, "checked", &type, data.data(), &size), Status::Success);
  QCOMPARE(type, Type::Dword);
  QCOMPARE(size, 4u);
  QCOMPARE((Ops{data[0], data[1], data[2], data[3]}), (Ops{1, 0, 0, 0}));
  registry.CloseKey(key);
}

void TOptionsDialogTest::filter_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<QTestEventList>("keys");
  QTest::addColumn<QString>("after");
  const auto keys = [](std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> list) {
    QTestEventList events;
    for (const auto& [key, modifiers] : list) events.addKeyClick(key, modifiers);
    return events;
  };
  const Qt::KeyboardModifiers none = Qt::NoModifier;
  QTest::newRow("digits") << "" << keys({{Qt::Key_4, none}, {Qt::Key_2, none}}) << "42";
  QTest::newRow("letter") << "12" << keys({{Qt::Key_A, none}}) << "12";
  QTest::newRow("capital letter") << "12" << keys({{Qt::Key_A, Qt::ShiftModifier}}) << "12";
  QTest::newRow("fourth digit") << "123" << keys({{Qt::Key_4, none}}) << "123";
  QTest::newRow("digit over a selection")
      << "123" << keys({{Qt::Key_Left, Qt::ShiftModifier}, {Qt::Key_9, none}}) << "129";
  // A longer stored value can be shortened, never lengthened.
  QTest::newRow("digit into a long value") << "5000" << keys({{Qt::Key_1, none}}) << "5000";
  QTest::newRow("Backspace in a long value")
      << "-150" << keys({{Qt::Key_Backspace, none}}) << "-15";
  QTest::newRow("blank, sign, point")
      << "1" << keys({{Qt::Key_Space, none}, {Qt::Key_Minus, none}, {Qt::Key_Period, none}}) << "1";
  QTest::newRow("Backspace") << "123" << keys({{Qt::Key_Backspace, none}}) << "12";
  QTest::newRow("Ctrl+V") << "1" << keys({{Qt::Key_V, Qt::ControlModifier}}) << "1";
  QTest::newRow("Shift+Insert") << "1" << keys({{Qt::Key_Insert, Qt::ShiftModifier}}) << "1";
  QTest::newRow("Ctrl+X") << "12"
                          << keys({{Qt::Key_Home, Qt::ShiftModifier},
                                   {Qt::Key_X, Qt::ControlModifier}})
                          << "12";
  QTest::newRow("Shift+Delete") << "12"
                                << keys({{Qt::Key_Home, Qt::ShiftModifier},
                                         {Qt::Key_Delete, Qt::ShiftModifier}})
                                << "12";
  // Ctrl+A is a character too: it does not select, so the next digit is appended.
  QTest::newRow("Ctrl+A then digit")
      << "12" << keys({{Qt::Key_A, Qt::ControlModifier}, {Qt::Key_5, none}}) << "125";
  QTest::newRow("Ctrl+Z after Backspace")
      << "12" << keys({{Qt::Key_Backspace, none}, {Qt::Key_Z, Qt::ControlModifier}}) << "1";
  // Keys that type no character still edit the box.
  QTest::newRow("Home and Delete")
      << "123" << keys({{Qt::Key_Home, none}, {Qt::Key_Delete, none}}) << "23";
  QTest::newRow("Left and digit") << "12" << keys({{Qt::Key_Left, none}, {Qt::Key_7, none}})
                                  << "172";
}

void TOptionsDialogTest::filter() {
  QFETCH(QString, before);
  QFETCH(QTestEventList, keys);
  QFETCH(QString, after);
  QGuiApplication::clipboard()->setText("x9");
  TDrillSettings settings;
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  QLineEdit* edit = Edit1(dialog);
  edit->setText(before);
  edit->setFocus();
  keys.simulate(edit);
  QCOMPARE(edit->text(), after);
}

// The context menu's Paste keeps the box's limit of 3 characters.
void TOptionsDialogTest::pasteKeepsTheLimit() {
  TDrillSettings settings;
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  QLineEdit* edit = Edit1(dialog);
  edit->clear();
  QGuiApplication::clipboard()->setText("12");
  edit->paste();
  QCOMPARE(edit->text(), QStringLiteral("12"));
  QGuiApplication::clipboard()->setText("345");
  edit->paste();
  QCOMPARE(edit->text(), QStringLiteral("12"));
}

// No default and no cancel button: Enter presses only a focused push button, Esc does nothing.
// The box drops the shortcuts' characters, so its menu names none; its Paste still works.
void TOptionsDialogTest::contextMenuWithoutShortcuts() {
  TDrillSettings settings;
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  QLineEdit* edit = Edit1(dialog);
  edit->clear();
  QGuiApplication::clipboard()->setText("7");
  QStringList texts;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator()) texts << action->text();
    }
    for (QAction* action : menu->actions()) {
      if (action->text() == "&Paste") action->trigger();
    }
    menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(edit, &event);
  QVERIFY(texts.contains("&Paste"));
  for (const QString& text : texts) QVERIFY2(!text.contains('\t'), qPrintable(text));
  QCOMPARE(edit->text(), QStringLiteral("7"));
}

void TOptionsDialogTest::keys() {
  TMessages messages;
  TDrillSettings settings;
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  for (const char* name : {"Button1", "Button2"}) {
    QVERIFY(!Control<QPushButton>(dialog, name)->isDefault());
    QVERIFY(!Control<QPushButton>(dialog, name)->autoDefault());
  }
  for (QWidget* focus :
       std::initializer_list<QWidget*>{Box(dialog, 1), Edit1(dialog), Box(dialog, 7)}) {
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_Return);
    QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(focus, Qt::Key_Escape);
    QVERIFY2(dialog.isVisible(), qPrintable(focus->objectName()));
  }
  auto* cancel = Control<QPushButton>(dialog, "Button2");
  cancel->setFocus();
  QTest::keyClick(cancel, Qt::Key_Escape);
  QVERIFY(dialog.isVisible());
  QTest::keyClick(cancel, Qt::Key_Return);
  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.result(), int(QDialog::Rejected));
  QCOMPARE(settings, TDrillSettings{});
  QCOMPARE(messages.texts, QStringList{});
}

void TOptionsDialogTest::tabOrder() {
  TDrillSettings settings;
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  const QStringList order{"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "Edit1",
                          "Button1",   "Button2",   "CheckBox6", "CheckBox7", "CheckBox1"};
  QCOMPARE(QApplication::focusWidget()->objectName(), order.front());
  QStringList visited{QApplication::focusWidget()->objectName()};
  for (int i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(visited, order);
}

void TOptionsDialogTest::layout_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QString>("caption");
  QTest::newRow("CheckBox1") << "CheckBox1" << QRect(16, 16, 161, 33) << "Addition questions";
  QTest::newRow("CheckBox2") << "CheckBox2" << QRect(16, 56, 161, 33) << "Subtraction questions";
  QTest::newRow("CheckBox3") << "CheckBox3" << QRect(16, 96, 161, 33) << "Multiplication questions";
  QTest::newRow("CheckBox4") << "CheckBox4" << QRect(16, 136, 161, 33) << "Division questions";
  QTest::newRow("CheckBox6") << "CheckBox6" << QRect(16, 176, 169, 33) << "Show right answer ";
  QTest::newRow("CheckBox5") << "CheckBox5" << QRect(16, 224, 89, 33) << "Time limit";
  QTest::newRow("Edit1") << "Edit1" << QRect(104, 230, 33, 27) << "";
  QTest::newRow("CheckBox7") << "CheckBox7" << QRect(16, 272, 161, 41) << "Multiple choice";
  QTest::newRow("Button1") << "Button1" << QRect(16, 336, 73, 25) << "OK";
  QTest::newRow("Button2") << "Button2" << QRect(112, 336, 73, 25) << "Cancel";
}

void TOptionsDialogTest::layout() {
  QFETCH(QString, name);
  QFETCH(QRect, geometry);
  QFETCH(QString, caption);
  TDrillSettings settings = Settings({0, 1, 2, 3}, 4, false, false, 30, false);
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  auto* control = Control<QWidget>(dialog, qPrintable(name));
  auto* box = qobject_cast<QCheckBox*>(control);
  if (box == nullptr) {
    QCOMPARE(control->geometry(), geometry);
  } else {
    // A check box keeps its place and grows to the right only where its caption needs it.
    QCOMPARE(control->pos(), geometry.topLeft());
    QCOMPARE(control->height(), geometry.height());
    QVERIFY(control->width() >= geometry.width());
    const QStyle* style = box->style();
    const int needed = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                       style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
                       QFontMetrics(box->font()).horizontalAdvance(caption);
    QVERIFY2(needed <= control->width(), "the caption is not cut off");
    QVERIFY(control->geometry().right() < dialog.width());
  }
  QCOMPARE(control->property("text").toString(), caption);
  QCOMPARE(QFontInfo(control->font()).pixelSize(), 16);
  QVERIFY(!control->font().bold());
}

void TOptionsDialogTest::frame() {
  TDrillSettings settings;
  TForm2 form(nullptr, settings);
  QDialog& dialog = Dialog(form);
  QCOMPARE(dialog.windowTitle(), "Options");
  SaveScreenshot(dialog, "options_dialog");
  QCOMPARE(dialog.minimumSize(), QSize(204, 390));
  QCOMPARE(dialog.maximumSize(), QSize(204, 390));
  QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
  QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  const auto* label = Control<QLabel>(dialog, "Label1");
  QCOMPARE(label->text(), "secs");
  QCOMPARE(label->pos(), QPoint(144, 230));
  QCOMPARE(label->height(), 19);
  QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance("secs"));
  QCOMPARE(dialog.palette().color(QPalette::Window), dialog.palette().color(QPalette::Button));
  QVERIFY(gapwise::testing::IsTimesNewRoman(dialog.font()));
  gapwise::testing::VerifyTextsInsideClientArea(dialog);
}

void TOptionsDialogTest::centredOverOwner() {
  gapwise::TForm owner(nullptr, gapwise::bsSingle);
  owner.SetClientSize(257, 389);
  owner.MoveTo(372, 171);
  owner.Show();
  QWidget* window = gapwise::qt::QtWidget(owner);
  QVERIFY(QTest::qWaitForWindowExposed(window));
  TDrillSettings settings;
  TForm2 form(&owner, settings);
  QDialog& dialog = Dialog(form);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  const QPoint offset = dialog.frameGeometry().center() - window->frameGeometry().center();
  QVERIFY2(offset.manhattanLength() <= 2,
           qPrintable(QString("off by %1, %2").arg(offset.x()).arg(offset.y())));
}

GAPWISE_UI_TEST_MAIN(TOptionsDialogTest)

#include "options_dialog_test.moc"
