// The main window's logic on a toolkit without a screen: what shows when, what each command
// calls, the messages, and the countdown around the dialogs. The same tests run on every
// platform the program is built for.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "engine/reading.h"
#include "form_rows.h"
#include "memory_registry.h"
#include "settings/store.h"
#include "ui/forms/info_dialog.h"
#include "ui/forms/main_window.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/fake/fake_toolkit.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/timer.h"

namespace gapwise {
namespace {

using fake::State;
using fake::TFakeToolkit;
using Strings = std::vector<std::string>;

using testing::Settings;
using testing::WrongFor;

class MainWindowForm : public ::testing::Test {
 protected:
  void SetUp() override { toolkit_.Reset(); }

  std::unique_ptr<TForm1> Open(const std::optional<TDrillSettings>& stored = {}) {
    if (stored) SaveSettings(*stored, registry_);
    auto form = std::make_unique<TForm1>(TForm1Setup{&registry_, [] { return 1234u; }});
    form->Form().Show();
    return form;
  }
  static Strings Counters(const TForm1& form) {
    return {form.Label7->Caption(), form.Label9->Caption(), form.Label10->Caption()};
  }
  static void Type(TForm1& form, const std::string& text) {
    for (const char c : text) form.Form().KeyPress(c);
  }
  TDrillSettings Stored() {
    TDrillSettings settings;
    std::string folder;
    LoadSettings(settings, folder, registry_);
    return settings;
  }

  TFakeToolkit& toolkit_ = TFakeToolkit::Instance();
  testing::TMemoryRegistry registry_;
};

struct TStartCase {
  const char* Name;
  TDrillSettings Stored;
  int SecondsLeft;  // where the seconds stand
};

class MainWindowStart : public MainWindowForm, public ::testing::WithParamInterface<TStartCase> {};

TEST_P(MainWindowStart, ShowsWhatTheSettingsAsk) {
  const TDrillSettings& settings = GetParam().Stored;
  auto form = Open(settings);
  EXPECT_EQ(State(*form->StaticText1).Visible, !settings.MultChoice);
  EXPECT_EQ(State(*form->Label12).Visible, settings.TimeLimited);
  EXPECT_EQ(State(*form->Label13).Visible, settings.TimeLimited);
  EXPECT_EQ(form->RadioGroup1->Count(), settings.MultChoice ? 4 : 0);
  EXPECT_EQ(form->RadioGroup1->ItemIndex(), settings.MultChoice ? 0 : -1);
  const bool two = form->Game().Puzzle().Answer.size() == 2;
  EXPECT_EQ(form->RadioGroup1->Caption(), two ? " ?? is : " : "  ? is : ");
  EXPECT_EQ(Counters(*form), (Strings{"0", "0", "0"}));
  if (settings.TimeLimited) {
    EXPECT_EQ(form->Label13->Caption(), std::to_string(settings.TimeLimit));
  }
  EXPECT_EQ(form->Label13->Left(), GetParam().SecondsLeft);
  EXPECT_TRUE(form->Timer1->Enabled());
  EXPECT_EQ(form->StaticText1->Caption(), "");
  EXPECT_EQ(State(form->Form()).Bounds, (TRect{372, 171, 257, 389}));
  EXPECT_EQ(State(form->Form()).Text, "Gapwise");
}

// A number longer than the place for it ends at the score area's inner right edge (168).
const TStartCase kStartCases[] = {
    {"TypedTimed", Settings(false, true, 30), 104},
    {"ChoicesTimed", Settings(true, true, 17), 104},
    {"TypedUntimed", Settings(false, false), 104},
    {"ChoicesUntimed", Settings(true, false), 104},
    {"LargestLimit", Settings(false, true, 2147483647), 168 - 80},
    {"SmallestLimit", Settings(false, true, -2147483647 - 1), 168 - 88},
};

INSTANTIATE_TEST_SUITE_P(Rows, MainWindowStart, ::testing::ValuesIn(kStartCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Right adds silently; wrong beeps and tells the answer, the counters following once it closed.
TEST_F(MainWindowForm, CheckScoresTheTypedAnswer) {
  auto form = Open();
  Type(*form, form->Game().Puzzle().Answer);
  EXPECT_TRUE(form->Button1->Focused());
  form->Button1->Click();
  EXPECT_EQ(Counters(*form), (Strings{"1", "0", "1"}));
  EXPECT_TRUE(toolkit_.Boxes.empty());
  const std::string answer = form->Game().Puzzle().Answer;
  Strings whileOpen;
  toolkit_.OnBox = [&](const fake::TFakeBox&) { whileOpen = Counters(*form); };
  Type(*form, WrongFor(answer));
  form->Button1->Click();
  ASSERT_EQ(toolkit_.Boxes.size(), 1u);
  EXPECT_EQ(toolkit_.Boxes[0].Text, "The answer is " + answer);
  EXPECT_FALSE(toolkit_.Boxes[0].Error);
  EXPECT_EQ(toolkit_.Beeps, 1);
  EXPECT_EQ(whileOpen, (Strings{"1", "0", "1"}));
  EXPECT_EQ(Counters(*form), (Strings{"1", "1", "2"}));
}

// The fifth tick of a 5-second limit times out: the timer stands still while the answer shows.
TEST_F(MainWindowForm, CountdownTimesOut) {
  auto form = Open(Settings(false, true, 5));
  Strings shown{form->Label13->Caption()};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(form->Timer1->Fire());
    shown.push_back(form->Label13->Caption());
  }
  EXPECT_EQ(shown, (Strings{"5", "4", "3", "2", "1"}));
  const std::string answer = form->Game().Puzzle().Answer;
  std::string secondsWhileOpen;
  bool timerWhileOpen = true;
  toolkit_.OnBox = [&](const fake::TFakeBox&) {
    secondsWhileOpen = form->Label13->Caption();
    timerWhileOpen = form->Timer1->Enabled();
  };
  EXPECT_TRUE(form->Timer1->Fire());
  EXPECT_EQ(secondsWhileOpen, "0");
  EXPECT_FALSE(timerWhileOpen);
  EXPECT_EQ(toolkit_.Boxes.at(0).Text, "The answer is " + answer);
  EXPECT_EQ(Counters(*form), (Strings{"0", "1", "1"}));
  EXPECT_EQ(form->Label13->Caption(), "5");
  EXPECT_TRUE(form->Timer1->Enabled());
}

struct TOptionsCase {
  const char* Name;
  TDrillSettings Before;
  TDrillSettings After;  // what the dialog leaves in force
};

class MainWindowOptions : public MainWindowForm,
                          public ::testing::WithParamInterface<TOptionsCase> {};

// Whatever the dialog did, the countdown stood still, the rules are applied again and a new
// puzzle replaces the one on screen unscored.
TEST_P(MainWindowOptions, PauseThenDealAnew) {
  auto form = Open(GetParam().Before);
  form->Button1->Click();
  toolkit_.Boxes.clear();
  const Strings counters = Counters(*form);
  bool timerWhileOpen = true;
  toolkit_.OnModal = [&](TForm& dialog) {
    timerWhileOpen = form->Timer1->Enabled();
    form->Game().Settings() = GetParam().After;
    dialog.Close();
  };
  form->Button3->Click();
  const TDrillSettings& after = GetParam().After;
  EXPECT_FALSE(timerWhileOpen);
  EXPECT_EQ(Counters(*form), counters);
  EXPECT_TRUE(toolkit_.Boxes.empty());
  EXPECT_EQ(State(*form->StaticText1).Visible, !after.MultChoice);
  EXPECT_EQ(form->StaticText1->Caption(), "");
  EXPECT_EQ(State(*form->Label13).Visible, after.TimeLimited);
  EXPECT_EQ(form->RadioGroup1->Count(), after.MultChoice ? 4 : 0);
  EXPECT_TRUE(
      (after.MultChoice ? static_cast<TControl*>(form->RadioGroup1) : form->Button1)->Focused());
  EXPECT_EQ(form->Timer1->Enabled(), after.TimeLimited);
  if (after.TimeLimited) {
    EXPECT_EQ(form->Label13->Caption(), std::to_string(after.TimeLimit));
  }
}

const TOptionsCase kOptionsCases[] = {
    {"Cancel", Settings(false, true, 30), Settings(false, true, 30)},
    {"ToChoices", Settings(false, true, 30), Settings(true, true, 12)},
    {"ToTyped", Settings(true, true, 30), Settings(false, true, 30)},
    {"TimeOff", Settings(false, true, 30), Settings(false, false, 30)},
    {"TimeOn", Settings(true, false, 30), Settings(true, true, 8)},
};

INSTANTIATE_TEST_SUITE_P(Rows, MainWindowOptions, ::testing::ValuesIn(kOptionsCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Exit saves all six values and closes; a key that cannot be written closes it silently.
TEST_F(MainWindowForm, ExitSavesAndCloses) {
  auto form = Open();
  TDrillSettings changed = Settings(true, false, 45);
  changed.Ops = {3, 1, 2, 0};
  changed.Checked = 2;
  form->Game().Settings() = changed;
  form->Button2->Click();
  EXPECT_FALSE(form->Form().Visible());
  EXPECT_EQ(Stored(), changed);
  EXPECT_EQ(registry_.OpenKeys(), 0u);
  auto readOnly = Open();
  registry_.ReadOnly = true;
  readOnly->Button2->Click();
  EXPECT_FALSE(readOnly->Form().Visible());
  EXPECT_TRUE(toolkit_.Boxes.empty());
}

// A value of the wrong type stops the load in the error box; the window works with what was read.
TEST_F(MainWindowForm, FailedLoadStillDeals) {
  auto& values = registry_.At(reg::Root::CurrentUser, "Software\\Ardentree\\Gapwise");
  values["multc"] = {reg::Type::Dword, {1, 0, 0, 0}};
  values["timelimit"] = {reg::Type::String, {'1', '2', 0}};
  auto form = Open();
  ASSERT_EQ(toolkit_.Boxes.size(), 1u);
  EXPECT_EQ(toolkit_.Boxes[0].Text, "Invalid data type for 'timelimit'");
  EXPECT_TRUE(toolkit_.Boxes[0].Error);
  EXPECT_FALSE(form->Game().Puzzle().Answer.empty());
  EXPECT_EQ(form->RadioGroup1->Count(), 4);
  EXPECT_FALSE(State(*form->StaticText1).Visible);
}

// "?" hands an existing help file to the shell and says "File missing" otherwise.
TEST_F(MainWindowForm, HelpOpensTheInstalledFile) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "gapwise-form-help";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string text = folder.string();
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  registry_.At(reg::Root::LocalMachine, "Software\\Ardentree\\Gapwise")["AppPath"] = {
      reg::Type::String, data};
  auto form = Open();
  form->Button5->Click();
  EXPECT_EQ(toolkit_.Boxes.at(0).Text, "File missing");
  std::ofstream(folder / "gapwise.chm") << "ITSF";
  form->Button5->Click();
  EXPECT_EQ(toolkit_.Opened, (Strings{text + "/gapwise.chm"}));
  std::filesystem::remove_all(folder);
}

// What a screen reader hears without asking: the first puzzle once the window is on the screen,
// each outcome before the next puzzle; and on F2 the puzzle, on F3 the score.
TEST_F(MainWindowForm, SpeaksThePuzzleTheOutcomeAndOnRequest) {
  registry_.At(reg::Root::CurrentUser, "Software\\Ardentree\\Gapwise");
  SaveSettings(Settings(false, true, 5), registry_);
  TForm1 form(TForm1Setup{&registry_, [] { return 1234u; }});
  const auto said = [&] { return Utterance(ReadPuzzle(form.Game().Puzzle())); };
  EXPECT_TRUE(toolkit_.Announced.empty());
  form.Form().Show();
  EXPECT_EQ(toolkit_.Announced, Strings{said()});
  Type(form, form.Game().Puzzle().Answer);
  form.Button1->Click();
  EXPECT_EQ(toolkit_.Announced.back(), "Right. " + said());
  form.Button1->Click();
  EXPECT_EQ(toolkit_.Announced.back(), "Wrong. " + said());
  for (int i = 0; i < 5; ++i) form.Timer1->Fire();
  EXPECT_EQ(toolkit_.Announced.back(), "Time is up. Wrong. " + said());
  form.Form().KeyDown(FunctionKey(2));
  EXPECT_EQ(toolkit_.Announced.back(), said() + " " + EntryReading(form.Game().Puzzle(), ""));
  Type(form, form.Game().Puzzle().Answer + "1");
  EXPECT_EQ(toolkit_.Announced.back(), EntryFullNotice(form.Game().Puzzle()));
  form.Form().KeyDown(FunctionKey(2));
  EXPECT_EQ(toolkit_.Announced.back(),
            said() + " " + EntryReading(form.Game().Puzzle(), form.Game().Entry()));
  form.Timer1->Fire();
  form.Form().KeyDown(FunctionKey(3));
  EXPECT_EQ(toolkit_.Announced.back(), "Right 1, wrong 2, total 3, 4 seconds left.");
  EXPECT_EQ(State(*form.Button5).AccessibleName, "Help");
  toolkit_.Announced.clear();
  TForm3 info(&form.Form());
  info.ShowModal();
  EXPECT_TRUE(toolkit_.Announced.empty());  // the dialog's description is its one reading
  EXPECT_EQ(State(info.Form()).AccessibleDescription,
            "Gapwise 1.0. internet site:  www.ardentree.eu. e-mail:  info@ardentree.eu.");
}

// With multiple choice each new puzzle is spoken with the selected choice, and F2 says it too.
TEST_F(MainWindowForm, SpeaksTheSelectedChoiceWithThePuzzle) {
  SaveSettings(Settings(true, false, 30), registry_);
  TForm1 form(TForm1Setup{&registry_, [] { return 1234u; }});
  form.Form().Show();
  const TDrillGame& game = form.Game();
  const std::string said = Utterance(ReadPuzzle(game.Puzzle())) + " Your choice: " +
                           game.Choices().at(static_cast<std::size_t>(game.ChoiceIndex())) + ".";
  EXPECT_EQ(toolkit_.Announced, Strings{said});
  EXPECT_TRUE(form.RadioGroup1->Focused());
  form.Form().KeyDown(FunctionKey(2));
  EXPECT_EQ(toolkit_.Announced.back(), said);
}

}  // namespace
}  // namespace gapwise
