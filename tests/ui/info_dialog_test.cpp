// The info dialog: its texts, where they stand, and the ways it closes.
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialog_support.h"
#include "ui/forms/info_dialog.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/widget.h"
#include "ui_test_main.h"

using gapwise::TForm3;

using gapwise::testing::Control;
using gapwise::testing::SaveScreenshot;

namespace {

QWidget& Dialog(const TForm3& form) {
  return *gapwise::qt::QtWidget(form.Form());
}

}  // namespace

class TInfoDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void texts_data();
  void texts();
  void labelsShowTheirWholeText();
  void frame();
  void centredOverOwner();
  void closing_data();
  void closing();
  void keysWithoutFocusOnOk();
};

void TInfoDialogTest::texts_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QRect>("designed");  // a width of 0: the label sizes itself to its text
  QTest::newRow("Label1") << "Label1"
                          << "Gapwise 1.0" << QRect(0, 16, 233, 25);
  QTest::newRow("Label3") << "Label3"
                          << "internet site:  www.ardentree.eu" << QRect(16, 140, 0, 19);
  QTest::newRow("Label4") << "Label4"
                          << "e-mail:  info@ardentree.eu" << QRect(48, 166, 0, 19);
  QTest::newRow("Button1") << "Button1"
                           << "OK" << QRect(80, 216, 81, 25);
}

void TInfoDialogTest::texts() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  QFETCH(QRect, designed);
  TForm3 form(nullptr);
  auto* control = Control<QWidget>(Dialog(form), qPrintable(name));
  QCOMPARE(control->property("text").toString(), text);
  QCOMPARE(control->pos(), designed.topLeft());
  QCOMPARE(control->height(), designed.height());
  if (designed.width() != 0) QCOMPARE(control->width(), designed.width());
  QCOMPARE(QFontInfo(control->font()).pixelSize(), 16);
}

// The self-sizing labels show their whole text inside the dialog, and the title is centred on
// its box.
void TInfoDialogTest::labelsShowTheirWholeText() {
  TForm3 form(nullptr);
  QWidget& dialog = Dialog(form);
  gapwise::testing::VerifyTextsInsideClientArea(dialog);
  for (const char* name : {"Label3", "Label4"}) {
    const auto* label = Control<QLabel>(dialog, name);
    QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()), name);
    QVERIFY2(label->alignment() & Qt::AlignLeft, name);
  }
  const auto* title = Control<QLabel>(dialog, "Label1");
  QVERIFY(title->alignment() & Qt::AlignHCenter);
  QVERIFY(title->alignment() & Qt::AlignTop);
}

void TInfoDialogTest::frame() {
  TForm3 form(nullptr);
  QWidget& dialog = Dialog(form);
  QCOMPARE(dialog.windowTitle(), "Info");
  SaveScreenshot(dialog, "info_dialog");
  QCOMPARE(dialog.minimumSize(), QSize(231, 254));
  QCOMPARE(dialog.maximumSize(), QSize(231, 254));
  QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
  QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  QCOMPARE(dialog.palette().color(QPalette::Window), dialog.palette().color(QPalette::Button));
  QVERIFY(gapwise::testing::IsTimesNewRoman(dialog.font()));
}

void TInfoDialogTest::closing_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("OK clicked") << "click";
  QTest::newRow("Enter on OK") << "enter";
  QTest::newRow("Space on OK") << "space";
  QTest::newRow("title bar's close button") << "close";
}

void TInfoDialogTest::closing() {
  QFETCH(QString, how);
  TForm3 form(nullptr);
  QWidget& dialog = Dialog(form);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  auto* ok = Control<QPushButton>(dialog, "Button1");
  QCOMPARE(QApplication::focusWidget(), ok);
  if (how == "click") QTest::mouseClick(ok, Qt::LeftButton);
  if (how == "enter") QTest::keyClick(ok, Qt::Key_Return);
  if (how == "space") QTest::keyClick(ok, Qt::Key_Space);
  if (how == "close") QVERIFY(dialog.close());
  QVERIFY(!dialog.isVisible());
}

// Esc does nothing, and Enter closes the dialog only through a focused OK.
void TInfoDialogTest::keysWithoutFocusOnOk() {
  TForm3 form(nullptr);
  QWidget& dialog = Dialog(form);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QVERIFY(dialog.isVisible());
  auto* ok = Control<QPushButton>(dialog, "Button1");
  QVERIFY(!ok->isDefault());
  ok->clearFocus();
  QTest::keyClick(&dialog, Qt::Key_Return);
  QVERIFY(dialog.isVisible());
}

void TInfoDialogTest::centredOverOwner() {
  gapwise::TForm owner(nullptr, gapwise::bsSingle);
  owner.SetClientSize(257, 389);
  owner.MoveTo(372, 171);
  owner.Show();
  QVERIFY(QTest::qWaitForWindowExposed(gapwise::qt::QtWidget(owner)));
  TForm3 form(&owner);
  QWidget& dialog = Dialog(form);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  const QPoint offset =
      dialog.geometry().center() - gapwise::qt::QtWidget(owner)->geometry().center();
  QVERIFY2(offset.manhattanLength() <= 2,
           qPrintable(QString("off by %1, %2").arg(offset.x()).arg(offset.y())));
}

GAPWISE_UI_TEST_MAIN(TInfoDialogTest)

#include "info_dialog_test.moc"
