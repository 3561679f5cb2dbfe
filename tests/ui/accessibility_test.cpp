// What a screen reader finds in the windows: the puzzle as one text, the named answer box with
// what was typed, the choice list and its radio buttons, the counters with their titles, and a
// name on every keyboard control of the dialogs. (Events need a live bus: the AT-SPI test.)
#include <QAccessible>
#include <QRadioButton>

#include "engine/reading.h"
#include "form_support.h"
#include "ui/forms/info_dialog.h"
#include "ui/forms/options_dialog.h"
#include "ui/toolkit/controls.h"
#include "ui_test_main.h"

using gapwise::TForm1;
using gapwise::testing::OpenForm;
using gapwise::testing::RadioButton;
using gapwise::testing::TTempHives;
using gapwise::testing::Type;
using gapwise::testing::W;

namespace {

QAccessibleInterface* Of(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}
QAccessibleInterface* Of(const gapwise::TControl* control) {
  return Of(W(control));
}

QString NameOf(QObject* object) {
  return Of(object)->text(QAccessible::Name);
}
QString NameOf(const gapwise::TControl* control) {
  return NameOf(W(control));
}

std::unique_ptr<TForm1> Open(TTempHives& hives, bool choices, int limit = 30) {
  gapwise::TDrillSettings settings;
  settings.MultChoice = choices;
  settings.TimeLimit = limit;
  hives.Store(settings);
  return OpenForm(hives);
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void readsTheWindow_data() {
    QTest::addColumn<bool>("choices");
    QTest::newRow("typed") << false;
    QTest::newRow("choices") << true;
  }
  void readsTheWindow() {
    QFETCH(bool, choices);
    TTempHives hives;
    auto form = Open(hives, choices);
    const gapwise::TPuzzle& puzzle = form->Game().Puzzle();
    QAccessibleInterface* area = Of(form->Panel1);
    QCOMPARE(area->role(), QAccessible::StaticText);
    QCOMPARE(area->childCount(), 0);
    QCOMPARE(area->text(QAccessible::Name).toStdString(), gapwise::ReadPuzzle(puzzle).Text);
    // The gap, then the keys that read the puzzle and the score again.
    const QString description = area->text(QAccessible::Description);
    QVERIFY(
        description.startsWith(QString::fromStdString(gapwise::ReadPuzzle(puzzle).Description)));
    QVERIFY(description.contains("F2") && description.contains("F3"));
    QCOMPARE(NameOf(form->Button5), QStringLiteral("Help"));
    QCOMPARE(NameOf(form->RadioGroup1).toStdString(),
             gapwise::SpokenText(form->RadioGroup1->Caption()));
    QCOMPARE(Of(form->StaticText1)->role(), QAccessible::EditableText);
    QCOMPARE(NameOf(form->StaticText1), QStringLiteral("Answer"));
    QCOMPARE(NameOf(form->Label7), QStringLiteral("Right: 0"));
    QCOMPARE(NameOf(form->Label13), QStringLiteral("Time left: 30"));
    for (int i = 0; i < form->RadioGroup1->Count(); ++i) {
      QAccessibleInterface* radio = Of(RadioButton(*form, i));
      QCOMPARE(radio->role(), QAccessible::RadioButton);
      QCOMPARE(radio->text(QAccessible::Name).toStdString(), form->RadioGroup1->Item(i));
      QCOMPARE(bool(radio->state().checked), i == form->RadioGroup1->ItemIndex());
    }
    if (!choices) Type(*form, "4\b7");
    QCOMPARE(Of(form->StaticText1)->textInterface()->text(0, -1), choices ? "" : "7");
  }

  void everyKeyboardControlOfTheDialogsHasAName() {
    gapwise::TDrillSettings settings;
    gapwise::TForm2 options(nullptr, settings);
    gapwise::TForm3 info(nullptr);
    for (QWidget* dialog : {W(options.Form()), W(info.Form())}) {
      for (QWidget* control : dialog->findChildren<QWidget*>()) {
        if (control->focusPolicy() & Qt::TabFocus) QVERIFY(!NameOf(control).isEmpty());
      }
    }
    QCOMPARE(NameOf(options.Edit1), QStringLiteral("Time limit in seconds"));
  }
};

GAPWISE_UI_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
