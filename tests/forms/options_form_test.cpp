// The options dialog's logic on a toolkit without a screen: what it shows of the settings, and
// what OK writes at each step, with its messages word for word.
#include <gtest/gtest.h>

#include <array>

#include "ui/forms/options_dialog.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/fake/fake_toolkit.h"
#include "ui/toolkit/form.h"

namespace gapwise {
namespace {

using fake::TFakeToolkit;
using Ops = std::array<std::uint8_t, 4>;
using Ticks = std::array<bool, 7>;  // CheckBox1 to CheckBox7

constexpr const char* kNoLimit = "Please enter a valid time limit";
constexpr const char* kTooShort = "Time limit can be at least 5 secs.";

TDrillSettings Settings(Ops ops, int checked, bool showRight, bool timed, int limit, bool choices) {
  return TDrillSettings{ops, static_cast<std::uint8_t>(checked), timed, limit, showRight, choices};
}

std::array<TCheckBox*, 7> Boxes(const TForm2& dialog) {
  return {dialog.CheckBox1, dialog.CheckBox2, dialog.CheckBox3, dialog.CheckBox4,
          dialog.CheckBox5, dialog.CheckBox6, dialog.CheckBox7};
}

std::vector<std::string> Texts(const std::vector<fake::TFakeBox>& boxes) {
  std::vector<std::string> texts;
  for (const fake::TFakeBox& box : boxes) texts.push_back(box.Text);
  return texts;
}

class OptionsForm : public ::testing::Test {
 protected:
  void SetUp() override { toolkit_.Reset(); }
  TFakeToolkit& toolkit_ = TFakeToolkit::Instance();
};

struct TOpeningCase {
  const char* Name;
  TDrillSettings Settings;
  Ticks Ticked;
  std::string Edit;
};

class OptionsOpening : public OptionsForm, public ::testing::WithParamInterface<TOpeningCase> {};

// OK without changes keeps the kinds dealt and the time limit.
TEST_P(OptionsOpening, ShowsTheSettings) {
  TDrillSettings settings = GetParam().Settings;
  const TDrillSettings before = settings;
  TForm2 dialog(nullptr, settings);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(Boxes(dialog)[i]->Checked(), GetParam().Ticked[i]) << i;
  EXPECT_EQ(dialog.Edit1->Text(), GetParam().Edit);
  dialog.Form().Show();
  dialog.Button1->Click();
  if (!toolkit_.Boxes.empty()) {
    EXPECT_EQ(Texts(toolkit_.Boxes), std::vector<std::string>{kTooShort});
  }
  EXPECT_EQ(KindsDealt(settings), KindsDealt(before));
  EXPECT_EQ(settings.TimeLimit, before.TimeLimit);
}

const Ops kAll{0, 1, 2, 3};
const TOpeningCase kOpeningCases[] = {
    {"Defaults", TDrillSettings{}, {1, 1, 1, 1, 1, 1, 0}, "30"},
    {"TimeLimitOffKeepsTheBoxEmpty",
     Settings(kAll, 4, false, false, 77, true),
     {1, 1, 1, 1, 0, 0, 1},
     ""},
    {"FirstTwoEntriesOnly",
     Settings({3, 1, 0, 2}, 2, true, true, 999, false),
     {0, 1, 0, 1, 1, 1, 0},
     "999"},
    // Out-of-range stored settings tick the kinds that the game deals with them.
    {"UnknownCodeDealsAdditions",
     Settings({7, 2, 0, 0}, 2, false, true, 5, false),
     {1, 0, 1, 0, 1, 0, 0},
     "5"},
    {"CountZeroDealsTheFirstEntry",
     Settings({2, 1, 0, 3}, 0, false, false, 30, false),
     {0, 0, 1, 0, 0, 0, 0},
     ""},
    {"CountAboveFourDealsAllFour",
     Settings({3, 3, 1, 0}, 9, false, false, 30, false),
     {1, 1, 0, 1, 0, 0, 0},
     ""},
    // A stored time limit is shown whole, however long.
    {"LongLimit", Settings(kAll, 4, true, true, 5000, false), {1, 1, 1, 1, 1, 1, 0}, "5000"},
    {"LargestLimit",
     Settings(kAll, 4, true, true, 2147483647, false),
     {1, 1, 1, 1, 1, 1, 0},
     "2147483647"},
    {"NegativeLimit", Settings(kAll, 4, true, true, -150, false), {1, 1, 1, 1, 1, 1, 0}, "-150"},
};

INSTANTIATE_TEST_SUITE_P(Rows, OptionsOpening, ::testing::ValuesIn(kOpeningCases),
                         [](const auto& info) { return std::string(info.param.Name); });

struct TOkCase {
  const char* Name;
  Ticks Ticked;              // what the user leaves ticked
  std::string Edit;          // what the time-limit box holds
  TDrillSettings After;      // from all kinds, time limit off at 30, right answers shown
  std::string Message = "";  // "" when the dialog closes
  bool Error = false;        // the message is the error box's
};

class OptionsOk : public OptionsForm, public ::testing::WithParamInterface<TOkCase> {};

// OK writes each value at its step; a message leaves the dialog open with what came before it.
TEST_P(OptionsOk, WritesAtEachStep) {
  const TOkCase& row = GetParam();
  TDrillSettings settings = Settings(kAll, 4, true, false, 30, false);
  TForm2 dialog(nullptr, settings);
  dialog.Form().Show();
  for (int i = 0; i < 7; ++i) Boxes(dialog)[i]->SetChecked(row.Ticked[i]);
  dialog.Edit1->SetText(row.Edit);
  dialog.Button1->Click();
  const std::vector<std::string> none;
  EXPECT_EQ(Texts(toolkit_.Boxes), row.Message.empty() ? none : std::vector{row.Message});
  if (!toolkit_.Boxes.empty()) {
    EXPECT_EQ(toolkit_.Boxes[0].Error, row.Error);
  }
  EXPECT_EQ(settings, row.After);
  EXPECT_EQ(dialog.Form().Visible(), !row.Message.empty());
}

const Ticks kTimed{1, 1, 1, 1, 1, 1, 0};
const TDrillSettings kBefore = Settings(kAll, 4, true, false, 30, false);
TDrillSettings TimedAt(int limit) {
  return Settings(kAll, 4, true, true, limit, false);
}

const TOkCase kOkCases[] = {
    {"DivisionAlone", {0, 0, 0, 1, 0, 1, 0}, "", Settings({3, 1, 2, 3}, 1, true, false, 30, false)},
    {"AdditionAndMultiplication",
     {1, 0, 1, 0, 0, 1, 0},
     "",
     Settings({0, 2, 2, 3}, 2, true, false, 30, false)},
    {"NoKind", {0, 0, 0, 0, 1, 0, 1}, "5", kBefore, "Please select at least one question type."},
    {"Limit5", kTimed, "5", TimedAt(5)},
    {"Limit05", kTimed, "05", TimedAt(5)},
    {"Limit005", kTimed, "005", TimedAt(5)},
    {"Limit999", kTimed, "999", TimedAt(999)},
    {"Limit4", kTimed, "4", kBefore, kTooShort},
    {"Limit00", kTimed, "00", kBefore, kTooShort},
    {"Limit000", kTimed, "000", kBefore, kTooShort},
    {"Limit0", kTimed, "0", kBefore, kNoLimit},
    {"EmptyLimit", kTimed, "", kBefore, kNoLimit},
    // Pasted texts: the box's context menu can still bring them.
    {"PastedHexadecimal", kTimed, "$1F", TimedAt(31)},
    {"PastedLeadingBlank", kTimed, " 12", TimedAt(12)},
    {"PastedNegative", kTimed, "-9", kBefore, kTooShort},
    // Not a number: the error box, after the kinds, right answers and multiple choice were set.
    {"Letters",
     {0, 1, 1, 1, 1, 0, 1},
     "abc",
     Settings({1, 2, 3, 3}, 3, false, false, 30, true),
     "'abc' is not a valid integer value.",
     true},
    {"BlankAfterDigits",
     {0, 1, 1, 1, 1, 0, 1},
     "12 ",
     Settings({1, 2, 3, 3}, 3, false, false, 30, true),
     "'12 ' is not a valid integer value.",
     true},
};

INSTANTIATE_TEST_SUITE_P(Rows, OptionsOk, ::testing::ValuesIn(kOkCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Cancel changes nothing.
TEST_F(OptionsForm, CancelChangesNothing) {
  TDrillSettings settings = Settings({2, 0, 1, 3}, 3, false, true, 45, true);
  const TDrillSettings before = settings;
  TForm2 dialog(nullptr, settings);
  dialog.Form().Show();
  dialog.CheckBox1->SetChecked(false);
  dialog.Edit1->SetText("7");
  dialog.Button2->Click();
  EXPECT_EQ(settings, before);
  EXPECT_FALSE(dialog.Form().Visible());
}

// The dialog's keys: Tab along its tab order, wrapping, into the edit box with its text selected;
// Enter there, with no default button, goes to the edit box (which drops it); an arrow key to the
// next control; Enter on a button presses it.
TEST_F(OptionsForm, TheKeysFollowTheTabOrder) {
  TDrillSettings settings = Settings({2, 0, 1, 3}, 3, false, true, 45, true);
  TForm2 dialog(nullptr, settings);
  TForm& form = dialog.Form();
  form.Show();
  dialog.CheckBox7->SetFocus();
  for (int i = 0; i < 6; ++i) toolkit_.PressKey(form, TKey::Tab, {}, '\t');
  EXPECT_TRUE(dialog.Edit1->Focused());
  toolkit_.PressKey(form, DigitKey(7), {}, '7');
  toolkit_.PressKey(form, TKey::Enter, {}, '\r');
  EXPECT_EQ(dialog.Edit1->Text(), "7");
  toolkit_.PressKey(form, TKey::Tab, {true}, '\t');
  EXPECT_TRUE(dialog.CheckBox5->Focused());
  dialog.Button1->SetFocus();
  toolkit_.PressKey(form, TKey::Down, {}, 0);
  EXPECT_TRUE(dialog.Button2->Focused());
  toolkit_.PressKey(form, TKey::Enter, {}, '\r');
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(toolkit_.Boxes.empty());
}

}  // namespace
}  // namespace gapwise
