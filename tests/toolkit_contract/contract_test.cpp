// The toolkit's contract: what every backend shows and does for the portable controls, run
// unchanged on each backend through its probe.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "probe.h"
#include "ui/toolkit/services.h"
#include "ui/toolkit/timer.h"

namespace gapwise::contract {
namespace {

IToolkitProbe& P() {
  return Probe();
}

// A main window as the game has it: the choice list, Check (the default button), Options and
// Exit in tab order, and key preview; every click and previewed key is noted.
struct TKeyWindow {
  TForm window{nullptr, bsSingle};
  TRadioGroup* group = window.Make<TRadioGroup>(TRect{168, 0, 89, 209});
  TButton* check = window.Make<TButton>(TRect{184, 216, 65, 25}, "Check");
  TButton* options = window.Make<TButton>(TRect{184, 296, 65, 25}, "Options");
  TButton* exit = window.Make<TButton>(TRect{184, 360, 65, 25}, "Exit");
  std::vector<std::string> events;

  explicit TKeyWindow(std::vector<std::string> items = {}) {
    window.SetClientSize(257, 389);
    group->SetItems(items);
    window.SetKeyPreview(true);
    window.SetDefaultButton(check);
    window.SetTabOrder({group, check, options, exit});
    for (TButton* button : {check, options, exit}) {
      button->OnClick = [this, button] { events.push_back("click:" + button->Caption()); };
    }
    group->OnClick = [this](int i) { events.push_back("choice:" + std::to_string(i)); };
    window.OnKeyDown = [this](gapwise::TKey) { events.push_back("down"); };
    window.OnKeyPress = [this](char c) { events.push_back(std::string("press:") + c); };
    P().Activate(window);
  }
};

TEST(Contract, CaptionsAndVisibilityAreWhatTheScreenShows) {
  TForm form(nullptr, bsSingle);
  form.SetClientSize(200, 120);
  auto* label = form.Make<TLabel>(TRect{8, 8, 100, 20}, "Score");
  auto* button = form.Make<TButton>(TRect{8, 40, 65, 25}, "Check");
  EXPECT_FALSE(P().Shown(form)) << "a form is hidden until it is shown";
  form.SetCaption("Gapwise");
  P().Activate(form);
  label->SetCaption("Score: 3");
  EXPECT_EQ(P().Caption(form), "Gapwise");
  EXPECT_EQ(P().Caption(*label), "Score: 3");
  EXPECT_EQ(P().Caption(*button), "Check");
  EXPECT_TRUE(P().Shown(*label));
  label->Hide();
  EXPECT_FALSE(P().Shown(*label));
  label->Show();
  EXPECT_TRUE(P().Shown(*label));
  form.Close();
  EXPECT_FALSE(P().Shown(form));
  EXPECT_FALSE(form.Visible());
}

TEST(Contract, SetFocusPutsTheKeyboardFocusOnTheControl) {
  TKeyWindow keys;
  for (TButton* button : {keys.exit, keys.options}) {
    button->SetFocus();
    EXPECT_TRUE(P().HasFocus(*button));
    EXPECT_TRUE(button->Focused());
  }
  EXPECT_FALSE(keys.check->Focused());
  EXPECT_TRUE(keys.check->Default());
}

struct TMove {
  TPress key;
  int from;  // 0 Check, 1 Options, 2 Exit
  int to;
};

// Tab and Shift+Tab follow the tab order; the arrows move between controls of one parent; both
// wrap, skip the choice list without items, and reach no key handler.
TEST(Contract, TabAndArrowsMoveTheFocusAlongTheTabOrder) {
  const TMove moves[] = {{TPress::Tab, 0, 1},  {TPress::Tab, 2, 0},   {TPress::ShiftTab, 0, 2},
                         {TPress::Down, 0, 1}, {TPress::Right, 1, 2}, {TPress::Down, 2, 0},
                         {TPress::Up, 0, 2},   {TPress::Left, 1, 0}};
  TKeyWindow keys;
  const TButton* buttons[] = {keys.check, keys.options, keys.exit};
  for (const TMove& move : moves) {
    const_cast<TButton*>(buttons[move.from])->SetFocus();
    P().PressKey(move.key);
    EXPECT_TRUE(P().HasFocus(*buttons[move.to])) << move.from << " -> " << move.to;
  }
  EXPECT_TRUE(keys.events.empty()) << testing::PrintToString(keys.events);
}

TEST(Contract, EnterPressesTheFocusedButtonElseTheDefaultOne) {
  TKeyWindow keys({"12", "21", "13", "31"});
  keys.group->SetItemIndex(1);
  keys.options->SetFocus();
  P().PressKey(TPress::Enter);
  EXPECT_EQ(keys.events, std::vector<std::string>{"click:Options"});
  EXPECT_TRUE(P().HasFocus(*keys.options));
  keys.events.clear();
  keys.group->SetFocus();
  P().PressKey(TPress::Enter);
  EXPECT_EQ(keys.events, std::vector<std::string>{"click:Check"});
  EXPECT_TRUE(P().ItemHasFocus(*keys.group, 1)) << "the default button took the focus";
}

// Key preview sees a key and its character before the edit box does; Tab into an edit box selects
// its text, so that typing replaces it; the edit box keeps its arrow keys.
TEST(Contract, KeyPreviewSeesKeysAndCharactersBeforeTheFocusedControl) {
  TForm window(nullptr, bsSingle);
  window.SetClientSize(200, 100);
  auto* edit = window.Make<TEdit>(TRect{10, 10, 60, 24});
  std::vector<std::string> events;
  window.SetKeyPreview(true);
  window.OnKeyDown = [&](gapwise::TKey) { events.push_back("form-down"); };
  window.OnKeyPress = [&](char c) { events.push_back(std::string("form-press:") + c); };
  edit->OnKeyPress = [&](char& c) { events.push_back(std::string("edit-press:") + c); };
  P().Activate(window);
  edit->SetText("12");
  edit->SetFocus();
  P().PressKey(TPress::Tab);  // the only tab stop, reached again with its text selected
  P().PressKey(TPress::Seven);
  EXPECT_EQ(events, (std::vector<std::string>{"form-down", "form-press:7", "edit-press:7"}));
  EXPECT_EQ(edit->Text(), "7");
  events.clear();
  P().PressKey(TPress::Left);  // the edit box keeps its arrow keys
  EXPECT_EQ(events, std::vector<std::string>{"form-down"});
  EXPECT_TRUE(P().HasFocus(*edit));
}

struct TClamp {
  int count;
  int set;
  int index;
};

TEST(Contract, TheChoiceListClampsItsIndexAndChecksOneButton) {
  const TClamp table[] = {{4, -1, -1}, {4, -7, -1}, {4, 0, 0}, {4, 3, 3},
                          {4, 4, 3},   {4, 99, 3},  {0, 2, -1}};
  TKeyWindow keys;
  for (const TClamp& row : table) {
    keys.group->SetItems(std::vector<std::string>(row.count, "7"));
    keys.group->SetItemIndex(row.set);
    EXPECT_EQ(keys.group->ItemIndex(), row.index) << row.set;
    for (int i = 0; i < row.count; ++i) {
      EXPECT_EQ(P().ItemChecked(*keys.group, i), i == row.index) << row.set << " " << i;
    }
  }
}

TEST(Contract, AClickOnTheChoiceListSelectsSettingTheIndexIsNoClick) {
  TKeyWindow keys({"4", "7", "1", "0"});
  keys.group->SetItemIndex(0);
  EXPECT_TRUE(keys.events.empty());
  P().ClickItem(*keys.group, 2);
  P().ClickItem(*keys.group, 2);  // a second click keeps it selected
  EXPECT_EQ(keys.group->ItemIndex(), 2);
  EXPECT_TRUE(P().ItemChecked(*keys.group, 2));
  EXPECT_FALSE(P().ItemChecked(*keys.group, 0));
  EXPECT_EQ(keys.events, (std::vector<std::string>{"choice:2", "choice:2"}));
}

// An arrow into the list selects the button it reaches, arrows within it wrap, and Tab enters it
// at its selected button without a click.
TEST(Contract, ArrowsSelectInTheChoiceListTabEntersAtTheSelection) {
  TKeyWindow keys({"12", "21", "13", "31"});
  keys.check->SetFocus();
  P().PressKey(TPress::Up);
  EXPECT_TRUE(P().ItemHasFocus(*keys.group, 3));
  P().PressKey(TPress::Down);
  EXPECT_TRUE(P().ItemHasFocus(*keys.group, 0));
  EXPECT_EQ(keys.group->ItemIndex(), 0);
  EXPECT_EQ(keys.events, (std::vector<std::string>{"choice:3", "choice:0"}));
  keys.events.clear();
  keys.check->SetFocus();
  P().PressKey(TPress::ShiftTab);
  EXPECT_TRUE(P().ItemHasFocus(*keys.group, 0));
  EXPECT_TRUE(keys.events.empty()) << testing::PrintToString(keys.events);
}

// ShowModal returns once the form is closed; the timer ticks meanwhile, and a message box opened
// from a tick runs its own loop.
TEST(Contract, AModalFormRunsUntilClosedWithTheTimerTicking) {
  TForm owner(nullptr, bsSingle);
  P().Activate(owner);
  TForm dialog(&owner, bsDialog);
  dialog.SetClientSize(200, 100);
  TTimer timer(20);
  int ticks = 0;
  bool shownWhileModal = false;
  timer.OnTimer = [&] {
    shownWhileModal = P().Shown(dialog);
    if (++ticks == 3) dialog.Close();
  };
  dialog.ShowModal();
  timer.SetEnabled(false);
  EXPECT_EQ(ticks, 3);
  EXPECT_TRUE(shownWhileModal);
  EXPECT_FALSE(P().Shown(dialog));
}

TEST(Contract, AMessageBoxHasTheTitleTheTextAndNoIcon) {
  const auto boxes = P().Boxes([] { ShowMessage(nullptr, "The answer is 05"); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Title, "Gapwise");
  EXPECT_EQ(boxes[0].Text, "The answer is 05");
  EXPECT_FALSE(boxes[0].ErrorIcon);
}

TEST(Contract, TimersTickWhileAMessageBoxIsOpen) {
  TTimer timer(20);
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  const auto boxes = P().Boxes([] { ShowMessage(nullptr, "x"); }, [&] { return ticks >= 3; });
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_GE(ticks, 3);
}

struct TFullStop {
  const char* message;
  const char* shown;
};

// A full stop follows a last character that sorts after "."; an error escaping a click shows.
TEST(Contract, TheErrorBoxHasTheTitleAnIconAndTheFullStopRule) {
  const TFullStop table[] = {{"Failed to get data", "Failed to get data."},
                             {"Error 5", "Error 5."},
                             {"Invalid data type for 'ops'", "Invalid data type for 'ops'"},
                             {"Done.", "Done."},
                             {"Stop!", "Stop!"},
                             {"a,", "a,"},
                             {"a/", "a/."}};
  for (const TFullStop& row : table) {
    const auto boxes = P().Boxes([&] { ShowError(row.message); });
    ASSERT_EQ(boxes.size(), 1u) << row.message;
    EXPECT_EQ(boxes[0].Title, "Gapwise");
    EXPECT_EQ(boxes[0].Text, row.shown);
    EXPECT_TRUE(boxes[0].ErrorIcon);
  }
  TKeyWindow keys;
  keys.check->OnClick = [] { throw std::runtime_error("'x' is not a valid integer value"); };
  const auto boxes = P().Boxes([&] { P().Click(*keys.check); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Text, "'x' is not a valid integer value.");
}

// Given before the form is on the screen, the last text is spoken once it is.
TEST(Contract, AnnouncementsReachTheScreenReaderOnceTheFormIsShown) {
  TForm form(nullptr, bsSingle);
  form.SetClientSize(200, 100);
  form.Announce("first");
  form.Announce("10 seconds left");
  P().Activate(form);
  EXPECT_TRUE(P().PumpUntil([&] { return P().Announced(form) == "10 seconds left"; }));
  form.Announce("Time is up");
  EXPECT_EQ(P().Announced(form), "Time is up");
}

}  // namespace
}  // namespace gapwise::contract
