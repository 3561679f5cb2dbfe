// The main window driven as a player would: start-up, typed and multiple-choice rounds, keys,
// the countdown, Options and Info around their dialogs, Exit and closing by the title bar.
#include <QDialog>
#include <QRadioButton>

#include "form_support.h"
#include "tests/forms/form_rows.h"
#include "tests/support/qt/toolkit_testing.h"
#include "ui/puzzle_area.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/timer.h"
#include "ui_test_main.h"

using gapwise::TDrillSettings;
using gapwise::TForm1;
using gapwise::testing::Focus;
using gapwise::testing::MakeForm;
using gapwise::testing::OpenForm;
using gapwise::testing::Press;
using gapwise::testing::Q;
using gapwise::testing::RadioButton;
using gapwise::testing::Settings;
using gapwise::testing::TBoxes;
using gapwise::testing::TTempHives;
using gapwise::testing::Type;
using gapwise::testing::W;
using gapwise::testing::WhenModal;
using gapwise::testing::Window;
using gapwise::testing::WrongFor;

namespace {

QString Answer(TForm1& form) {
  return Q(form.Game().Puzzle().Answer);
}

QStringList Counters(TForm1& form) {
  return {Q(form.Label7->Caption()), Q(form.Label9->Caption()), Q(form.Label10->Caption())};
}

QString CellsOf(TForm1& form) {
  QString cells;
  for (const auto* cell : form.Puzzle->Cells(form.Game().Puzzle().Kind)) {
    cells += Q(cell->Caption()) + QLatin1Char('|');
  }
  return cells;
}

}  // namespace

Q_DECLARE_METATYPE(TDrillSettings)

class TMainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { TBoxes::CloseStrayBoxes(); }
  void startUp_data();
  void startUp();
  void firstPuzzleBeforeTheWindowShows();
  void controlsInPlaceAndOrder();
  void typedRound();
  void typedEntryKeys();
  void multipleChoiceRound();
  void arrowKeys();
  void focusFollowsTheSelection();
  void enterPressesTheFocusedButton();
  void countdownTimesOut();
  void messageDoesNotStopTheTimer();
  void optionsPausesAndDealsAnew_data();
  void optionsPausesAndDealsAnew();
  void infoPausesAndResumes();
  void exitSavesAndCloses();
  void titleBarCloseSavesNothing();
  void exitWithoutAWritableKeyClosesSilently();
  void failedLoadStillOpens();
  void failedLoadKeepsTheInstallFolder();
  void failedLoadHoldsTheCountdownBehindItsBox();
  void helpOpensTheInstalledFile();
};

void TMainWindowTest::startUp_data() {
  QTest::addColumn<TDrillSettings>("settings");
  QTest::newRow("choices, timed") << Settings(true, true, 17);
  // A limit only a hand-edited file holds: shown whole inside the score area.
  QTest::newRow("largest limit") << Settings(false, true, 2147483647);
}

void TMainWindowTest::startUp() {
  QFETCH(TDrillSettings, settings);
  TTempHives hives;
  hives.Store(settings);
  auto form = OpenForm(hives);
  QCOMPARE(Window(*form)->windowTitle(), QStringLiteral("Gapwise"));
  QCOMPARE(Window(*form)->size(), QSize(257, 389));
  QCOMPARE(Window(*form)->minimumSize(), Window(*form)->maximumSize());
  QVERIFY(!(Window(*form)->windowFlags() & Qt::WindowMaximizeButtonHint));
  QVERIFY(Window(*form)->windowFlags() & Qt::WindowMinimizeButtonHint);
  QCOMPARE(W(form->StaticText1)->isVisible(), !settings.MultChoice);
  QCOMPARE(W(form->Label12)->isVisible(), settings.TimeLimited);
  QCOMPARE(W(form->Label13)->isVisible(), settings.TimeLimited);
  QCOMPARE(form->RadioGroup1->Count(), settings.MultChoice ? 4 : 0);
  QCOMPARE(form->RadioGroup1->ItemIndex(), settings.MultChoice ? 0 : -1);
  const QString caption = Answer(*form).size() == 2 ? " ?? is : " : "  ? is : ";
  QCOMPARE(Q(form->RadioGroup1->Caption()), caption);
  QCOMPARE(Counters(*form), (QStringList{"0", "0", "0"}));
  if (settings.TimeLimited)
    QCOMPARE(Q(form->Label13->Caption()), QString::number(settings.TimeLimit));
  const QRect seconds = W(form->Label13)->geometry();
  QVERIFY(seconds.left() == gapwise::kSecondsLeft || seconds.right() == 167);
  QVERIFY(seconds.right() <= 167);
  QVERIFY(form->Timer1->Enabled());  // enabled from creation, time limit or not
  QCOMPARE(Q(form->StaticText1->Caption()), QString());
}

void TMainWindowTest::firstPuzzleBeforeTheWindowShows() {
  TTempHives hives;
  TForm1 form(gapwise::TForm1Setup{&hives.Registry(), [] { return 77u; }});
  QVERIFY(!Window(form)->isVisible());
  QVERIFY(!form.Game().Puzzle().Answer.empty());
  const auto& cells = form.Puzzle->Cells(form.Game().Puzzle().Kind);
  const auto& dealt = form.Game().Puzzle().Cells;
  for (std::size_t i = 0; i < dealt.size(); ++i) {
    QVERIFY(cells[i]->Caption().starts_with(dealt[i]));
  }
  QCOMPARE(form.Puzzle->Mask(form.Game().Puzzle().Kind)->Caption(), form.Game().Puzzle().Mask);
  QCOMPARE(Window(form)->pos(), QPoint(372, 171));
  QVERIFY(!hives.UserHiveExists());  // loading creates nothing
}

void TMainWindowTest::controlsInPlaceAndOrder() {
  TTempHives hives;
  auto form = OpenForm(hives);
  const std::vector<std::pair<QWidget*, QRect>> places{
      {W(form->Panel1), {0, 0, 169, 209}},       {W(form->Button1), {184, 216, 65, 25}},
      {W(form->RadioGroup1), {168, 0, 89, 209}}, {W(form->Button2), {184, 360, 65, 25}},
      {W(form->Panel2), {0, 208, 169, 185}},     {W(form->Button3), {184, 296, 65, 25}},
      {W(form->Button4), {184, 328, 65, 25}},    {W(form->StaticText1), {192, 88, 35, 30}},
      {W(form->Button5), {2, 2, 23, 23}},        {W(form->Label7), {80, 24, 49, 17}},
      {W(form->Label9), {80, 48, 49, 17}},       {W(form->Label10), {80, 72, 49, 17}},
  };
  for (const auto& [widget, place] : places) QCOMPARE(widget->geometry(), place);
  // Back to front: a later control covers an earlier one.
  std::vector<QWidget*> order;
  for (QObject* child : Window(*form)->children()) {
    for (const auto& [widget, place] : places) {
      if (child == widget && widget->parentWidget() == Window(*form)) order.push_back(widget);
    }
  }
  const std::vector<QWidget*> expected{W(form->Panel1),  W(form->Button1),     W(form->RadioGroup1),
                                       W(form->Button2), W(form->Panel2),      W(form->Button3),
                                       W(form->Button4), W(form->StaticText1), W(form->Button5)};
  QVERIFY(order == expected);
  QCOMPARE(Q(form->Button1->Caption()), QStringLiteral("Check"));
  QCOMPARE(Q(form->Button2->Caption()), QStringLiteral("Exit"));
  QCOMPARE(Q(form->Button3->Caption()), QStringLiteral("Options"));
  QCOMPARE(Q(form->Button4->Caption()), QStringLiteral("Info"));
  QCOMPARE(Q(form->Button5->Caption()), QStringLiteral("?"));
  QCOMPARE(Q(form->Label4->Caption()), QStringLiteral("Right :"));
  QCOMPARE(Q(form->Label5->Caption()), QStringLiteral("Wrong :"));
  QCOMPARE(Q(form->Label6->Caption()), QStringLiteral("Total :"));
  QCOMPARE(Q(form->Label12->Caption()), QStringLiteral("Time left :"));
  QCOMPARE(W(form->Button5)->font().pixelSize(), 19);
  QVERIFY(W(form->Button5)->font().bold());
  QCOMPARE(Window(*form)->font().pixelSize(), 16);
  QCOMPARE(W(form->RadioGroup1)->font().pixelSize(), 19);
  QVERIFY(W(form->RadioGroup1)->font().italic());
  QCOMPARE(W(form->StaticText1)->font().pixelSize(), 21);
  const QImage image = Window(*form)->grab().toImage();
  QCOMPARE(image.pixelColor(250, 250), QColor(192, 220, 192));  // money green
  QCOMPARE(image.pixelColor(10, 380), QColor(166, 202, 240));   // sky blue score area
  QCOMPARE(image.pixelColor(200, 60), QColor(Qt::black));       // the choice list
  // Tab order: Check, Options, Info, Exit, then "?".
  QWidget* w = W(form->Button1);
  for (QWidget* next : {W(form->Button3), W(form->Button4), W(form->Button2), W(form->Button5)}) {
    do {
      w = w->nextInFocusChain();
    } while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible());
    QCOMPARE(w, next);
  }
}

void TMainWindowTest::typedRound() {
  TTempHives hives;
  auto form = OpenForm(hives);
  TBoxes boxes;
  const std::string answer = form->Game().Puzzle().Answer;
  Type(*form, answer);
  QCOMPARE(Q(form->StaticText1->Caption()), QString::fromStdString(answer));
  QCOMPARE(Focus(*form), W(form->Button1));
  Press(*form, Qt::Key_Return);
  QCOMPARE(Counters(*form), (QStringList{"1", "0", "1"}));
  QCOMPARE(boxes.beeps, 0);
  QVERIFY(boxes.texts.empty());
  QCOMPARE(Q(form->StaticText1->Caption()), QString());  // the next puzzle empties the box
  const std::string next = form->Game().Puzzle().Answer;
  QStringList whileOpen;
  boxes.whileOpen = [&] { whileOpen = Counters(*form); };
  Type(*form, WrongFor(next));
  QTest::mouseClick(W(form->Button1), Qt::LeftButton);
  QCOMPARE(boxes.beeps, 1);
  QCOMPARE(boxes.texts, (std::vector<QString>{"The answer is " + QString::fromStdString(next)}));
  QCOMPARE(boxes.icons[0], QMessageBox::NoIcon);
  QCOMPARE(boxes.titles[0], QStringLiteral("Gapwise"));
  QCOMPARE(whileOpen, (QStringList{"1", "0", "1"}));  // counters follow once it is closed
  QCOMPARE(Counters(*form), (QStringList{"1", "1", "2"}));
  Press(*form, Qt::Key_Return);  // nothing typed: wrong
  QCOMPARE(Counters(*form), (QStringList{"1", "2", "3"}));
  QCOMPARE(boxes.beeps, 2);
}

void TMainWindowTest::typedEntryKeys() {
  TTempHives hives;
  auto form = OpenForm(hives, 99);
  const int length = static_cast<int>(form->Game().Puzzle().Answer.size());
  form->Button3->SetFocus();
  Press(*form, Qt::Key_Q);  // a letter: nothing, and the focus stays
  QCOMPARE(Focus(*form), W(form->Button3));
  QCOMPARE(Q(form->StaticText1->Caption()), QString());
  Type(*form, "4567");  // digits beyond the answer's length are ignored
  QCOMPARE(Q(form->StaticText1->Caption()), QStringLiteral("4567").left(length));
  QCOMPARE(Focus(*form), W(form->Button1));
  Press(*form, Qt::Key_Backspace);
  QCOMPARE(Q(form->StaticText1->Caption()), QStringLiteral("4567").left(length - 1));
  form->Button4->SetFocus();
  Press(*form, Qt::Key_Backspace);
  Press(*form, Qt::Key_Backspace);  // on an empty entry: nothing but the focus
  QCOMPARE(Q(form->StaticText1->Caption()), QString());
  QCOMPARE(Focus(*form), W(form->Button1));
}

void TMainWindowTest::multipleChoiceRound() {
  TTempHives hives;
  hives.Store(Settings(true, true));
  auto form = OpenForm(hives);
  TBoxes boxes;
  form->Button4->SetFocus();
  Type(*form, "12");  // digits do nothing in this mode, not even move the focus
  QCOMPARE(Focus(*form), W(form->Button4));
  const auto& choices = form->Game().Choices();
  const int right = static_cast<int>(
      std::find(choices.begin(), choices.end(), form->Game().Puzzle().Answer) - choices.begin());
  QTest::mouseClick(RadioButton(*form, right), Qt::LeftButton);
  QCOMPARE(form->Game().ChoiceIndex(), right);
  Press(*form, Qt::Key_Return);  // a radio button has the focus: Enter presses Check
  QCOMPARE(Counters(*form), (QStringList{"1", "0", "1"}));
  QCOMPARE(form->RadioGroup1->ItemIndex(), 0);
  const std::string answer = form->Game().Puzzle().Answer;
  const int wrong = form->Game().Choices()[0] == answer ? 1 : 0;
  QTest::mouseClick(RadioButton(*form, wrong), Qt::LeftButton);
  QTest::mouseClick(W(form->Button1), Qt::LeftButton);
  QCOMPARE(boxes.texts, (std::vector<QString>{"The answer is " + QString::fromStdString(answer)}));
  QCOMPARE(Counters(*form), (QStringList{"1", "1", "2"}));
}

void TMainWindowTest::arrowKeys() {
  TTempHives hives;
  hives.Store(Settings(true, true));
  auto form = OpenForm(hives);
  form->Button1->SetFocus();
  Press(*form, Qt::Key_Down);  // a control has the focus: it moves, the choice stays
  QCOMPARE(Focus(*form), W(form->Button3));
  QCOMPARE(form->Game().ChoiceIndex(), 0);
  Press(*form, Qt::Key_Up);
  Press(*form, Qt::Key_Up);  // from Check back into the list, at its selected button
  QCOMPARE(Focus(*form), RadioButton(*form, 0));
  QCOMPARE(form->Game().ChoiceIndex(), 0);
  Press(*form, Qt::Key_Up);  // among the list's buttons, wrapping, selecting as it goes
  QCOMPARE(Focus(*form), RadioButton(*form, 3));
  QCOMPARE(form->Game().ChoiceIndex(), 3);
  Press(*form, Qt::Key_Down);
  QCOMPARE(form->Game().ChoiceIndex(), 0);
  Focus(*form)->clearFocus();  // no control has the focus: the game moves the choice
  Press(*form, Qt::Key_Down);
  Press(*form, Qt::Key_Down);
  QCOMPARE(form->Game().ChoiceIndex(), 2);
  QCOMPARE(form->RadioGroup1->ItemIndex(), 2);
  Press(*form, Qt::Key_Up);
  QCOMPARE(form->RadioGroup1->ItemIndex(), 1);
}

// Down, Down, Enter checks the third choice; the next list selects its first, and the focus
// goes with the selection, so that the next Down reaches the second.
void TMainWindowTest::focusFollowsTheSelection() {
  TTempHives hives;
  TDrillSettings settings = Settings(true, true);
  settings.ShowRight = false;
  hives.Store(settings);
  auto form = OpenForm(hives);
  QCOMPARE(Focus(*form), RadioButton(*form, 0));
  Press(*form, Qt::Key_Down);
  Press(*form, Qt::Key_Down);
  QCOMPARE(Focus(*form), RadioButton(*form, 2));
  Press(*form, Qt::Key_Return);
  QCOMPARE(Q(form->Label10->Caption()), QStringLiteral("1"));
  QCOMPARE(form->RadioGroup1->ItemIndex(), 0);
  QCOMPARE(Focus(*form), RadioButton(*form, 0));
  Press(*form, Qt::Key_Down);
  QCOMPARE(form->Game().ChoiceIndex(), 1);
  QCOMPARE(Focus(*form), RadioButton(*form, 1));
  QVERIFY(form->Button1->Default());
  // The focus frame shows on the black list: focus adds light pixels to the button.
  QWidget* button = RadioButton(*form, 1);
  const QImage focused = button->grab().toImage();
  form->Button1->SetFocus();
  const QImage unfocused = button->grab().toImage();
  int frame = 0;
  for (int y = 0; y < focused.height(); ++y) {
    for (int x = 0; x < focused.width(); ++x) {
      frame += focused.pixel(x, y) != unfocused.pixel(x, y) && qGray(focused.pixel(x, y)) > 128;
    }
  }
  QVERIFY2(frame > 20, qPrintable(QString::number(frame)));
}

void TMainWindowTest::enterPressesTheFocusedButton() {
  TTempHives hives;
  auto form = OpenForm(hives);
  bool infoOpened = false;
  WhenModal([&](QWidget& dialog) {
    infoOpened = true;
    static_cast<QDialog&>(dialog).reject();
  });
  form->Button4->SetFocus();
  Press(*form, Qt::Key_Return);
  QVERIFY(infoOpened);
  QCOMPARE(Counters(*form), (QStringList{"0", "0", "0"}));
}

void TMainWindowTest::countdownTimesOut() {
  TTempHives hives;
  hives.Store(Settings(false, true, 5));
  auto form = OpenForm(hives);
  TBoxes boxes;
  QString secondsWhileOpen;
  bool timerWhileOpen = true;
  boxes.whileOpen = [&] {
    secondsWhileOpen = Q(form->Label13->Caption());
    timerWhileOpen = form->Timer1->Enabled();
  };
  const gapwise::TPuzzle first = form->Game().Puzzle();
  QStringList shown{Q(form->Label13->Caption())};
  for (int i = 0; i < 4; ++i) {
    QVERIFY(form->Timer1->Fire());
    shown << Q(form->Label13->Caption());
  }
  QCOMPARE(shown, (QStringList{"5", "4", "3", "2", "1"}));
  Type(*form, WrongFor(form->Game().Puzzle().Answer));
  QVERIFY(form->Timer1->Fire());  // the fifth tick: time is up
  QCOMPARE(secondsWhileOpen, QStringLiteral("0"));
  QVERIFY(!timerWhileOpen);
  QCOMPARE(boxes.beeps, 1);
  QCOMPARE(Counters(*form), (QStringList{"0", "1", "1"}));
  QCOMPARE(Q(form->Label13->Caption()), QStringLiteral("5"));
  QVERIFY(form->Timer1->Enabled());
  QCOMPARE(boxes.texts,
           (std::vector<QString>{"The answer is " + QString::fromStdString(first.Answer)}));
  QVERIFY(form->Game().Puzzle() != first);
}

void TMainWindowTest::messageDoesNotStopTheTimer() {
  TTempHives hives;
  auto form = OpenForm(hives);
  TBoxes boxes;
  bool timerWhileOpen = false;
  boxes.whileOpen = [&] { timerWhileOpen = form->Timer1->Enabled(); };
  Press(*form, Qt::Key_Return);
  QVERIFY(timerWhileOpen);
}

void TMainWindowTest::optionsPausesAndDealsAnew_data() {
  QTest::addColumn<TDrillSettings>("before");
  QTest::addColumn<TDrillSettings>("after");
  QTest::newRow("to choices") << Settings(false, true, 30) << Settings(true, true, 12);
}

// The dialog's effect is played by writing the game's settings while it is open.
void TMainWindowTest::optionsPausesAndDealsAnew() {
  QFETCH(TDrillSettings, before);
  QFETCH(TDrillSettings, after);
  TTempHives hives;
  hives.Store(before);
  auto form = OpenForm(hives);
  TBoxes boxes;
  Press(*form, Qt::Key_Return);
  boxes.texts.clear();
  const QStringList counters = Counters(*form);
  form->Timer1->Fire();
  bool timerWhileOpen = true;
  WhenModal([&](QWidget& dialog) {
    timerWhileOpen = form->Timer1->Enabled();
    form->Game().Settings() = after;
    static_cast<QDialog&>(dialog).reject();
  });
  QTest::mouseClick(W(form->Button3), Qt::LeftButton);
  QVERIFY(!timerWhileOpen);
  QCOMPARE(Counters(*form), counters);  // the dropped puzzle is not scored
  QVERIFY(boxes.texts.empty());
  QCOMPARE(W(form->StaticText1)->isVisible(), !after.MultChoice);
  QCOMPARE(Q(form->StaticText1->Caption()), QString());
  QCOMPARE(W(form->Label13)->isVisible(), after.TimeLimited);
  QCOMPARE(form->RadioGroup1->Count(), after.MultChoice ? 4 : 0);
  QCOMPARE(Focus(*form), after.MultChoice ? RadioButton(*form, form->RadioGroup1->ItemIndex())
                                          : W(form->Button1));
  QCOMPARE(form->Timer1->Enabled(), after.TimeLimited);
  if (after.TimeLimited) QCOMPARE(Q(form->Label13->Caption()), QString::number(after.TimeLimit));
}

void TMainWindowTest::infoPausesAndResumes() {
  TTempHives hives;
  auto form = OpenForm(hives);
  Type(*form, "7");
  for (int i = 0; i < 3; ++i) form->Timer1->Fire();
  const QString cells = CellsOf(*form);
  bool timerWhileOpen = true;
  QString secondsWhileOpen;
  WhenModal([&](QWidget& dialog) {
    timerWhileOpen = form->Timer1->Enabled();
    secondsWhileOpen = Q(form->Label13->Caption());
    dialog.close();
  });
  QTest::mouseClick(W(form->Button4), Qt::LeftButton);
  QVERIFY(!timerWhileOpen);
  QCOMPARE(secondsWhileOpen, QStringLiteral("27"));
  QVERIFY(form->Timer1->Enabled());
  QCOMPARE(Q(form->Label13->Caption()), QStringLiteral("27"));
  QCOMPARE(CellsOf(*form), cells);
  QCOMPARE(Q(form->StaticText1->Caption()), QStringLiteral("7"));
  form->Timer1->Fire();
  QCOMPARE(Q(form->Label13->Caption()), QStringLiteral("26"));
}

void TMainWindowTest::exitSavesAndCloses() {
  TTempHives hives;
  auto form = OpenForm(hives);
  TDrillSettings changed = Settings(true, false, 45);
  changed.Ops = {3, 1, 2, 0};
  changed.Checked = 2;
  changed.ShowRight = false;
  form->Game().Settings() = changed;
  QTest::mouseClick(W(form->Button2), Qt::LeftButton);
  QVERIFY(!Window(*form)->isVisible());
  QCOMPARE(hives.Stored(), changed);
}

void TMainWindowTest::titleBarCloseSavesNothing() {
  TTempHives hives;
  hives.Store(Settings(false, true, 20));
  auto form = OpenForm(hives);
  form->Game().Settings() = Settings(true, false, 45);
  QVERIFY(Window(*form)->close());
  QCOMPARE(hives.Stored(), Settings(false, true, 20));
}

void TMainWindowTest::exitWithoutAWritableKeyClosesSilently() {
  TTempHives hives;
  QFile blocker(hives.Folder() + "/user");  // a file where the settings folder would go
  QVERIFY(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  auto form = OpenForm(hives);
  TBoxes boxes;
  QTest::mouseClick(W(form->Button2), Qt::LeftButton);
  QVERIFY(!Window(*form)->isVisible());
  QVERIFY(boxes.texts.empty());
}

void TMainWindowTest::failedLoadStillOpens() {
  TTempHives hives;
  hives.WriteUserHive("\"multc\"=dword:00000001\r\n\"timelimit\"=\"12\"\r\n");
  TBoxes boxes;
  auto form = MakeForm(hives, 5);
  QCOMPARE(boxes.texts, (std::vector<QString>{"Invalid data type for 'timelimit'"}));
  QCOMPARE(boxes.icons[0], QMessageBox::Critical);
  QCOMPARE(boxes.titles[0], QStringLiteral("Gapwise"));
  form->Form().Show();
  QVERIFY(!form->Game().Puzzle().Answer.empty());  // the window works with what was read
  QCOMPARE(form->RadioGroup1->Count(), 4);
  QVERIFY(!W(form->StaticText1)->isVisible());
  QTest::mouseClick(W(form->Button1), Qt::LeftButton);
  QCOMPARE(Q(form->Label10->Caption()), QStringLiteral("1"));
}

void TMainWindowTest::failedLoadKeepsTheInstallFolder() {
  TTempHives hives;
  hives.WriteMachineHive("\"AppPath\"=\"/opt/gapwise\"\r\n");
  hives.WriteUserHive("\"ops\"=dword:00000001\r\n");
  TBoxes boxes;
  auto form = MakeForm(hives, 5);
  QCOMPARE(boxes.texts, (std::vector<QString>{"Invalid data type for 'ops'"}));
  QCOMPARE(Q(form->InstallFolder()), QStringLiteral("/opt/gapwise"));
}

// With the real timer: a one-second limit would time out the unseen puzzle behind the box.
void TMainWindowTest::failedLoadHoldsTheCountdownBehindItsBox() {
  TTempHives hives;
  hives.WriteUserHive("\"showr\"=dword:0\r\n\"timelimit\"=dword:1\r\n\"ops\"=dword:1\r\n");
  TBoxes boxes;
  boxes.whileOpen = [] { QTest::qWait(1600); };
  gapwise::qt_testing::SetManualTicks(false);
  auto form = MakeForm(hives, 5);
  gapwise::qt_testing::SetManualTicks(true);
  QCOMPARE(boxes.texts, (std::vector<QString>{"Invalid data type for 'ops'"}));
  QCOMPARE(Counters(*form), (QStringList{"0", "0", "0"}));
  QCOMPARE(Q(form->Label13->Caption()), QStringLiteral("1"));
  QVERIFY(form->Timer1->Enabled());
  QTRY_COMPARE_WITH_TIMEOUT(Q(form->Label10->Caption()), QStringLiteral("1"), 3000);
  QCOMPARE(boxes.beeps, 1);
}

void TMainWindowTest::helpOpensTheInstalledFile() {
  TTempHives hives;
  const QString folder = hives.Folder() + "/share";
  QDir().mkpath(folder);
  QFile help(folder + "/gapwise.chm");
  QVERIFY(help.open(QIODevice::WriteOnly));
  help.close();
  hives.WriteMachineHive("\"AppPath\"=\"" + folder.toUtf8() + "\"\r\n");
  QStringList opened;
  gapwise::qt_testing::SetFileOpener([&](const QString& path) { opened << path; });
  auto form = OpenForm(hives);
  QCOMPARE(Q(form->InstallFolder()), folder);
  QTest::mouseClick(W(form->Button5), Qt::LeftButton);
  gapwise::qt_testing::SetFileOpener({});
  QCOMPARE(opened, QStringList{folder + "/gapwise.chm"});
}

GAPWISE_UI_TEST_MAIN(TMainWindowTest)
#include "main_window_test.moc"
