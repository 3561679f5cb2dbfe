// The Win32 backend's choice list beyond the toolkit's contract: its buttons kept and stood in
// one column, and the keyboard focus on its selected button when its window is active again after
// a message.
#include "window_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/win32/toolkit_testing.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/services.h"
#include "ui/toolkit/timer.h"

namespace gapwise::win32_test {
namespace {

struct TGroupWindow {
  TForm window{nullptr, bsSingle};
  TRadioGroup* group = window.Make<TRadioGroup>(TRect{0, 0, 89, 209});
  TGroupWindow() {
    window.SetClientSize(100, 220);
    group->SetFont(FontOf(19, fsItalic, clWhite));
    group->SetColor(clBlack);
  }
};

TEST(ChoiceList, KeepsItsButtonsAndStandsThemInOneColumn) {
  TGroupWindow list;
  list.window.Show();
  list.group->SetCaption("  ? is : ");
  list.group->SetItems({"1", "2", "3", "4"});
  const HWND third = Item(*list.group, 2);
  list.group->SetItems({"5", "6", "7", "8"});
  EXPECT_EQ(Item(*list.group, 2), third);
  EXPECT_EQ(TextOf(Item(*list.group, 2)), "7");
  list.group->SetItems({"1", "2", "3", "4"});
  RECT rows[4];
  for (int i = 0; i < 4; ++i) {
    GetWindowRect(Item(*list.group, i), &rows[i]);
    MapWindowPoints(nullptr, H(*list.group), reinterpret_cast<POINT*>(&rows[i]), 2);
  }
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(rows[i].left, 8);
    EXPECT_EQ(rows[i].right, 87);
    EXPECT_EQ(rows[i].bottom - rows[i].top, rows[0].bottom - rows[0].top);
    if (i > 0) {
      EXPECT_EQ(rows[i].top, rows[i - 1].bottom);
    }
  }
  EXPECT_GE(rows[0].top, 19);  // under the caption
  EXPECT_LE(rows[3].bottom, 209);
  EXPECT_GE(rows[3].bottom, 200);
  EXPECT_EQ(TextOf(H(*list.group)), "  ? is : ");
}

// The main window's choice list and its default button, Check, which a test gives its click.
struct TAnswerWindow {
  TForm window{nullptr, bsSingle};
  TRadioGroup* group = window.Make<TRadioGroup>(TRect{168, 0, 89, 209});
  TButton* check = window.Make<TButton>(TRect{184, 216, 65, 25}, "Check");
  std::vector<std::string> events;

  TAnswerWindow() {
    window.SetClientSize(257, 389);
    window.SetDefaultButton(check);
    window.SetTabOrder({group, check});
    group->OnClick = [this](int i) { events.push_back("choice:" + std::to_string(i)); };
    window.Show();
    SetForegroundWindow(H(window));
    win32::ProcessMessages();
  }
  HWND Focus() const { return GetFocus(); }
};

// A wrong answer as the game gives it: Enter on the list presses Check, which shows the answer in
// a message and, once the message is closed, deals a new list with another button selected.
TEST(ChoiceList, AfterAMessageTheFocusIsOnTheSelectedButtonOfTheNewList) {
  TAnswerWindow answer;
  answer.group->SetItems({"12", "21", "13", "31"});
  answer.group->SetItemIndex(1);
  answer.check->OnClick = [&] {
    ShowMessage(&answer.window, "The answer is 13");
    answer.group->SetItems({"40", "41", "42", "43"});
    answer.group->SetItemIndex(3);
  };
  SetFocus(Item(*answer.group, 1));
  TBoxWatcher watcher;
  PressKey(VK_RETURN);
  Pump(200);
  EXPECT_EQ(watcher.seen.size(), 1u);
  EXPECT_EQ(answer.Focus(), Item(*answer.group, 3));
  EXPECT_TRUE(answer.events.empty()) << "the focus selected a button";
}

// A new list dealt while the message is open: the focus that comes back to the list when the
// window is active again goes to its selected button, not to the one that had it before.
TEST(ChoiceList, AFocusComingBackGoesToTheSelectedButton) {
  TAnswerWindow answer;
  answer.group->SetItems({"12", "21", "13", "31"});
  answer.group->SetItemIndex(1);
  TBoxWatcher watcher;
  watcher.closeByHand = true;
  TTimer timer(50);
  bool dealt = false;
  timer.OnTimer = [&] {
    if (watcher.open == nullptr || dealt) return;
    dealt = true;
    answer.group->SetItems({"40", "41", "42", "43"});
    answer.group->SetItemIndex(3);
    watcher.CloseWith(VK_RETURN);
  };
  answer.check->OnClick = [&] { ShowMessage(&answer.window, "The answer is 13"); };
  SetFocus(Item(*answer.group, 1));
  PressKey(VK_RETURN);
  Pump(200);
  EXPECT_TRUE(dealt);
  EXPECT_EQ(answer.Focus(), Item(*answer.group, 3));
  EXPECT_TRUE(answer.events.empty()) << "the focus selected a button";
}

}  // namespace
}  // namespace gapwise::win32_test
