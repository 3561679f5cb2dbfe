// The main window driven as a player would: start-up, typed and multiple-choice rounds, keys,
// the countdown, Options and Info around their dialogs, Exit and closing by the title bar.
#include <QDialog>
#include <QRadioButton>

#include "tests/ui/form_support.h"
#include "tests/ui/ui_test_main.h"
#include "ui/puzzle_area.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/shell.h"
#include "ui/toolkit/static_text.h"
#include "ui/toolkit/timer.h"

using gapwise::TDrillSettings;
using gapwise::TForm1;
using gapwise::testing::OpenForm;
using gapwise::testing::Press;
using gapwise::testing::TBoxes;
using gapwise::testing::TTempHives;
using gapwise::testing::Type;
using gapwise::testing::WhenModal;

namespace {

TDrillSettings Settings(bool choices, bool timed, int limit = 30) {
  TDrillSettings settings;
  settings.MultChoice = choices;
  settings.TimeLimited = timed;
  settings.TimeLimit = limit;
  return settings;
}

QString Answer(TForm1& form) {
  return QString::fromStdString(form.Game().Puzzle().Answer);
}

// A wrong answer of the right length.
std::string WrongFor(const std::string& answer) {
  std::string wrong = answer;
  wrong[0] = wrong[0] == '9' ? '1' : static_cast<char>(wrong[0] + 1);
  return wrong;
}

QStringList Counters(TForm1& form) {
  return {form.Label7->text(), form.Label9->text(), form.Label10->text()};
}

QString CellsOf(TForm1& form) {
  QString cells;
  for (const auto* cell : form.Puzzle->Cells(form.Game().Puzzle().Kind)) {
    cells += cell->Caption() + QLatin1Char('|');
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
  QTest::newRow("typed, timed") << Settings(false, true, 30);
  QTest::newRow("choices, timed") << Settings(true, true, 17);
  QTest::newRow("typed, untimed") << Settings(false, false);
  QTest::newRow("choices, untimed") << Settings(true, false);
  // Limits only a hand-edited file holds: shown whole inside the score area.
  QTest::newRow("largest limit") << Settings(false, true, 2147483647);
  QTest::newRow("smallest limit") << Settings(false, true, -2147483647 - 1);
}

void TMainWindowTest::startUp() {
  QFETCH(TDrillSettings, settings);
  TTempHives hives;
  hives.Store(settings);
  auto form = OpenForm(hives);
  QCOMPARE(form->windowTitle(), QStringLiteral("Gapwise"));
  QCOMPARE(form->size(), QSize(257, 389));
  QCOMPARE(form->minimumSize(), form->maximumSize());
  QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
  QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
  QCOMPARE(form->StaticText1->isVisible(), !settings.MultChoice);
  QCOMPARE(form->Label12->isVisible(), settings.TimeLimited);
  QCOMPARE(form->Label13->isVisible(), settings.TimeLimited);
  QCOMPARE(form->RadioGroup1->Count(), settings.MultChoice ? 4 : 0);
  QCOMPARE(form->RadioGroup1->ItemIndex(), settings.MultChoice ? 0 : -1);
  const QString caption = Answer(*form).size() == 2 ? " ?? is : " : "  ? is : ";
  QCOMPARE(form->RadioGroup1->Caption(), caption);
  QCOMPARE(Counters(*form), (QStringList{"0", "0", "0"}));
  if (settings.TimeLimited) QCOMPARE(form->Label13->text(), QString::number(settings.TimeLimit));
  const QRect seconds = form->Label13->geometry();
  QVERIFY(seconds.left() == gapwise::kSecondsLeft || seconds.right() == 167);
  QVERIFY(seconds.right() <= 167);
  QVERIFY(form->Timer1->Enabled());  // enabled from creation, time limit or not
  QCOMPARE(form->StaticText1->Caption(), QString());
}

void TMainWindowTest::firstPuzzleBeforeTheWindowShows() {
  TTempHives hives;
  TForm1 form(gapwise::TForm1Setup{hives.Paths(), [] { return 77u; }});
  QVERIFY(!form.isVisible());
  QVERIFY(!form.Game().Puzzle().Answer.empty());
  const auto& cells = form.Puzzle->Cells(form.Game().Puzzle().Kind);
  const auto& dealt = form.Game().Puzzle().Cells;
  for (std::size_t i = 0; i < dealt.size(); ++i) {
    QVERIFY(cells[i]->Caption().startsWith(QString::fromStdString(dealt[i])));
  }
  QCOMPARE(form.Puzzle->Mask(form.Game().Puzzle().Kind)->Caption(),
           QString::fromStdString(form.Game().Puzzle().Mask));
  QCOMPARE(form.pos(), QPoint(372, 171));
  QVERIFY(!hives.UserHiveExists());  // loading creates nothing
}

void TMainWindowTest::controlsInPlaceAndOrder() {
  TTempHives hives;
  auto form = OpenForm(hives);
  const std::vector<std::pair<QWidget*, QRect>> places{
      {form->Panel1, {0, 0, 169, 209}},       {form->Button1, {184, 216, 65, 25}},
      {form->RadioGroup1, {168, 0, 89, 209}}, {form->Button2, {184, 360, 65, 25}},
      {form->Panel2, {0, 208, 169, 185}},     {form->Button3, {184, 296, 65, 25}},
      {form->Button4, {184, 328, 65, 25}},    {form->StaticText1, {192, 88, 35, 30}},
      {form->Button5, {2, 2, 23, 23}},        {form->Label7, {80, 24, 49, 17}},
      {form->Label9, {80, 48, 49, 17}},       {form->Label10, {80, 72, 49, 17}},
  };
  for (const auto& [widget, place] : places) QCOMPARE(widget->geometry(), place);
  // Back to front: a later control covers an earlier one.
  std::vector<QWidget*> order;
  for (QObject* child : form->children()) {
    for (const auto& [widget, place] : places) {
      if (child == widget && widget->parentWidget() == form.get()) order.push_back(widget);
    }
  }
  const std::vector<QWidget*> expected{form->Panel1,  form->Button1,     form->RadioGroup1,
                                       form->Button2, form->Panel2,      form->Button3,
                                       form->Button4, form->StaticText1, form->Button5};
  QVERIFY(order == expected);
  QCOMPARE(form->Button1->text(), QStringLiteral("Check"));
  QCOMPARE(form->Button2->text(), QStringLiteral("Exit"));
  QCOMPARE(form->Button3->text(), QStringLiteral("Options"));
  QCOMPARE(form->Button4->text(), QStringLiteral("Info"));
  QCOMPARE(form->Button5->text(), QStringLiteral("?"));
  QCOMPARE(form->Label4->text(), QStringLiteral("Right :"));
  QCOMPARE(form->Label5->text(), QStringLiteral("Wrong :"));
  QCOMPARE(form->Label6->text(), QStringLiteral("Total :"));
  QCOMPARE(form->Label12->text(), QStringLiteral("Time left :"));
  QCOMPARE(form->Button5->font().pixelSize(), 19);
  QVERIFY(form->Button5->font().bold());
  QCOMPARE(form->font().pixelSize(), 16);
  QCOMPARE(form->RadioGroup1->font().pixelSize(), 19);
  QVERIFY(form->RadioGroup1->font().italic());
  QCOMPARE(form->StaticText1->font().pixelSize(), 21);
  const QImage image = form->grab().toImage();
  QCOMPARE(image.pixelColor(250, 250), QColor(192, 220, 192));  // money green
  QCOMPARE(image.pixelColor(10, 380), QColor(166, 202, 240));   // sky blue score area
  QCOMPARE(image.pixelColor(200, 60), QColor(Qt::black));       // the choice list
  // Tab order: Check, Options, Info, Exit, then "?".
  QWidget* w = form->Button1;
  for (QWidget* next : {form->Button3, form->Button4, form->Button2, form->Button5}) {
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
  QCOMPARE(form->StaticText1->Caption(), QString::fromStdString(answer));
  QCOMPARE(form->focusWidget(), form->Button1);
  Press(*form, Qt::Key_Return);
  QCOMPARE(Counters(*form), (QStringList{"1", "0", "1"}));
  QCOMPARE(boxes.beeps, 0);
  QVERIFY(boxes.texts.empty());
  QCOMPARE(form->StaticText1->Caption(), QString());  // the next puzzle empties the box
  const std::string next = form->Game().Puzzle().Answer;
  QStringList whileOpen;
  boxes.whileOpen = [&] { whileOpen = Counters(*form); };
  Type(*form, WrongFor(next));
  QTest::mouseClick(form->Button1, Qt::LeftButton);
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
  form->Button3->setFocus();
  Press(*form, Qt::Key_Q);  // a letter: nothing, and the focus stays
  QCOMPARE(form->focusWidget(), form->Button3);
  QCOMPARE(form->StaticText1->Caption(), QString());
  Type(*form, "4567");  // digits beyond the answer's length are ignored
  QCOMPARE(form->StaticText1->Caption(), QStringLiteral("4567").left(length));
  QCOMPARE(form->focusWidget(), form->Button1);
  Press(*form, Qt::Key_Backspace);
  QCOMPARE(form->StaticText1->Caption(), QStringLiteral("4567").left(length - 1));
  form->Button4->setFocus();
  Press(*form, Qt::Key_Backspace);
  Press(*form, Qt::Key_Backspace);  // on an empty entry: nothing but the focus
  QCOMPARE(form->StaticText1->Caption(), QString());
  QCOMPARE(form->focusWidget(), form->Button1);
}

void TMainWindowTest::multipleChoiceRound() {
  TTempHives hives;
  hives.Store(Settings(true, true));
  auto form = OpenForm(hives);
  TBoxes boxes;
  form->Button4->setFocus();
  Type(*form, "12");  // digits do nothing in this mode, not even move the focus
  QCOMPARE(form->focusWidget(), form->Button4);
  const auto& choices = form->Game().Choices();
  const int right = static_cast<int>(
      std::find(choices.begin(), choices.end(), form->Game().Puzzle().Answer) - choices.begin());
  QTest::mouseClick(form->RadioGroup1->Button(right), Qt::LeftButton);
  QCOMPARE(form->Game().ChoiceIndex(), right);
  Press(*form, Qt::Key_Return);  // a radio button has the focus: Enter presses Check
  QCOMPARE(Counters(*form), (QStringList{"1", "0", "1"}));
  QCOMPARE(form->RadioGroup1->ItemIndex(), 0);
  const std::string answer = form->Game().Puzzle().Answer;
  const int wrong = form->Game().Choices()[0] == answer ? 1 : 0;
  QTest::mouseClick(form->RadioGroup1->Button(wrong), Qt::LeftButton);
  QTest::mouseClick(form->Button1, Qt::LeftButton);
  QCOMPARE(boxes.texts, (std::vector<QString>{"The answer is " + QString::fromStdString(answer)}));
  QCOMPARE(Counters(*form), (QStringList{"1", "1", "2"}));
}

void TMainWindowTest::arrowKeys() {
  TTempHives hives;
  hives.Store(Settings(true, true));
  auto form = OpenForm(hives);
  form->Button1->setFocus();
  Press(*form, Qt::Key_Down);  // a control has the focus: it moves, the choice stays
  QCOMPARE(form->focusWidget(), form->Button3);
  QCOMPARE(form->Game().ChoiceIndex(), 0);
  Press(*form, Qt::Key_Up);
  Press(*form, Qt::Key_Up);  // from Check back into the list, at its selected button
  QCOMPARE(form->focusWidget(), form->RadioGroup1->Button(0));
  QCOMPARE(form->Game().ChoiceIndex(), 0);
  Press(*form, Qt::Key_Up);  // among the list's buttons, wrapping, selecting as it goes
  QCOMPARE(form->focusWidget(), form->RadioGroup1->Button(3));
  QCOMPARE(form->Game().ChoiceIndex(), 3);
  Press(*form, Qt::Key_Down);
  QCOMPARE(form->Game().ChoiceIndex(), 0);
  form->focusWidget()->clearFocus();  // no control has the focus: the game moves the choice
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
  QCOMPARE(form->focusWidget(), form->RadioGroup1->Button(0));
  Press(*form, Qt::Key_Down);
  Press(*form, Qt::Key_Down);
  QCOMPARE(form->focusWidget(), form->RadioGroup1->Button(2));
  Press(*form, Qt::Key_Return);
  QCOMPARE(form->Label10->text(), QStringLiteral("1"));
  QCOMPARE(form->RadioGroup1->ItemIndex(), 0);
  QCOMPARE(form->focusWidget(), form->RadioGroup1->Button(0));
  Press(*form, Qt::Key_Down);
  QCOMPARE(form->Game().ChoiceIndex(), 1);
  QCOMPARE(form->focusWidget(), form->RadioGroup1->Button(1));
  QVERIFY(form->Button1->isDefault());
  // The focus frame shows on the black list: focus adds light pixels to the button.
  QWidget* button = form->RadioGroup1->Button(1);
  const QImage focused = button->grab().toImage();
  form->Button1->setFocus();
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
  form->Button4->setFocus();
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
    secondsWhileOpen = form->Label13->text();
    timerWhileOpen = form->Timer1->Enabled();
  };
  const gapwise::TPuzzle first = form->Game().Puzzle();
  QStringList shown{form->Label13->text()};
  for (int i = 0; i < 4; ++i) {
    QVERIFY(form->Timer1->Fire());
    shown << form->Label13->text();
  }
  QCOMPARE(shown, (QStringList{"5", "4", "3", "2", "1"}));
  Type(*form, WrongFor(form->Game().Puzzle().Answer));
  QVERIFY(form->Timer1->Fire());  // the fifth tick: time is up
  QCOMPARE(secondsWhileOpen, QStringLiteral("0"));
  QVERIFY(!timerWhileOpen);
  QCOMPARE(boxes.beeps, 1);
  QCOMPARE(Counters(*form), (QStringList{"0", "1", "1"}));
  QCOMPARE(form->Label13->text(), QStringLiteral("5"));
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
  QTest::newRow("cancel") << Settings(false, true, 30) << Settings(false, true, 30);
  QTest::newRow("to choices") << Settings(false, true, 30) << Settings(true, true, 12);
  QTest::newRow("to typed") << Settings(true, true, 30) << Settings(false, true, 30);
  QTest::newRow("time off") << Settings(false, true, 30) << Settings(false, false, 30);
  QTest::newRow("time on") << Settings(true, false, 30) << Settings(true, true, 8);
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
  QTest::mouseClick(form->Button3, Qt::LeftButton);
  QVERIFY(!timerWhileOpen);
  QCOMPARE(Counters(*form), counters);  // the dropped puzzle is not scored
  QVERIFY(boxes.texts.empty());
  QCOMPARE(form->StaticText1->isVisible(), !after.MultChoice);
  QCOMPARE(form->StaticText1->Caption(), QString());
  QCOMPARE(form->Label13->isVisible(), after.TimeLimited);
  QCOMPARE(form->RadioGroup1->Count(), after.MultChoice ? 4 : 0);
  QCOMPARE(form->focusWidget(), form->Button1);
  QCOMPARE(form->Timer1->Enabled(), after.TimeLimited);
  if (after.TimeLimited) QCOMPARE(form->Label13->text(), QString::number(after.TimeLimit));
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
    secondsWhileOpen = form->Label13->text();
    dialog.close();
  });
  QTest::mouseClick(form->Button4, Qt::LeftButton);
  QVERIFY(!timerWhileOpen);
  QCOMPARE(secondsWhileOpen, QStringLiteral("27"));
  QVERIFY(form->Timer1->Enabled());
  QCOMPARE(form->Label13->text(), QStringLiteral("27"));
  QCOMPARE(CellsOf(*form), cells);
  QCOMPARE(form->StaticText1->Caption(), QStringLiteral("7"));
  form->Timer1->Fire();
  QCOMPARE(form->Label13->text(), QStringLiteral("26"));
}

void TMainWindowTest::exitSavesAndCloses() {
  TTempHives hives;
  auto form = OpenForm(hives);
  TDrillSettings changed = Settings(true, false, 45);
  changed.Ops = {3, 1, 2, 0};
  changed.Checked = 2;
  changed.ShowRight = false;
  form->Game().Settings() = changed;
  QTest::mouseClick(form->Button2, Qt::LeftButton);
  QVERIFY(!form->isVisible());
  QCOMPARE(hives.Stored(), changed);
}

void TMainWindowTest::titleBarCloseSavesNothing() {
  TTempHives hives;
  hives.Store(Settings(false, true, 20));
  auto form = OpenForm(hives);
  form->Game().Settings() = Settings(true, false, 45);
  QVERIFY(form->close());
  QCOMPARE(hives.Stored(), Settings(false, true, 20));
}

void TMainWindowTest::exitWithoutAWritableKeyClosesSilently() {
  TTempHives hives;
  QFile blocker(hives.Folder() + "/user");  // a file where the settings folder would go
  QVERIFY(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  auto form = OpenForm(hives);
  TBoxes boxes;
  QTest::mouseClick(form->Button2, Qt::LeftButton);
  QVERIFY(!form->isVisible());
  QVERIFY(boxes.texts.empty());
}

void TMainWindowTest::failedLoadStillOpens() {
  TTempHives hives;
  hives.WriteUserHive("\"multc\"=dword:00000001\r\n\"timelimit\"=\"12\"\r\n");
  TBoxes boxes;
  auto form = std::make_unique<TForm1>(gapwise::TForm1Setup{hives.Paths(), [] { return 5u; }});
  QCOMPARE(boxes.texts, (std::vector<QString>{"Invalid data type for 'timelimit'"}));
  QCOMPARE(boxes.icons[0], QMessageBox::Critical);
  QCOMPARE(boxes.titles[0], QStringLiteral("Gapwise"));
  form->show();
  QVERIFY(!form->Game().Puzzle().Answer.empty());  // the window works with what was read
  QCOMPARE(form->RadioGroup1->Count(), 4);
  QVERIFY(!form->StaticText1->isVisible());
  QTest::mouseClick(form->Button1, Qt::LeftButton);
  QCOMPARE(form->Label10->text(), QStringLiteral("1"));
}

void TMainWindowTest::failedLoadKeepsTheInstallFolder() {
  TTempHives hives;
  hives.WriteMachineHive("\"AppPath\"=\"/opt/gapwise\"\r\n");
  hives.WriteUserHive("\"ops\"=dword:00000001\r\n");
  TBoxes boxes;
  auto form = std::make_unique<TForm1>(gapwise::TForm1Setup{hives.Paths(), [] { return 5u; }});
  QCOMPARE(boxes.texts, (std::vector<QString>{"Invalid data type for 'ops'"}));
  QCOMPARE(form->InstallFolder(), QStringLiteral("/opt/gapwise"));
}

// With the real timer: a one-second limit would time out the unseen puzzle behind the box.
void TMainWindowTest::failedLoadHoldsTheCountdownBehindItsBox() {
  TTempHives hives;
  hives.WriteUserHive("\"showr\"=dword:0\r\n\"timelimit\"=dword:1\r\n\"ops\"=dword:1\r\n");
  TBoxes boxes;
  boxes.whileOpen = [] { QTest::qWait(1600); };
  gapwise::TTimer::SetManualTicks(false);
  auto form = std::make_unique<TForm1>(gapwise::TForm1Setup{hives.Paths(), [] { return 5u; }});
  gapwise::TTimer::SetManualTicks(true);
  QCOMPARE(boxes.texts, (std::vector<QString>{"Invalid data type for 'ops'"}));
  QCOMPARE(Counters(*form), (QStringList{"0", "0", "0"}));
  QCOMPARE(form->Label13->text(), QStringLiteral("1"));
  QVERIFY(form->Timer1->Enabled());
  QTRY_COMPARE_WITH_TIMEOUT(form->Label10->text(), QStringLiteral("1"), 3000);
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
  gapwise::SetFileOpener([&](const QString& path) { opened << path; });
  auto form = OpenForm(hives);
  QCOMPARE(form->InstallFolder(), folder);
  QTest::mouseClick(form->Button5, Qt::LeftButton);
  gapwise::SetFileOpener({});
  QCOMPARE(opened, QStringList{folder + "/gapwise.chm"});
}

GAPWISE_UI_TEST_MAIN(TMainWindowTest)
#include "main_window_test.moc"
