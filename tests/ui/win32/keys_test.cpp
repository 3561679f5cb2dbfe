// The Win32 backend's keys beyond the toolkit's contract: the first tab stop, function keys,
// arrows without a focused control, and Enter and Esc in a dialog.
#include "window_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/win32/toolkit_testing.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/timer.h"

namespace gapwise::win32_test {
namespace {

// A main window with key preview, a default button, and its controls in a given tab order.
struct TKeyWindow {
  TForm window{nullptr, bsSingle};
  TButton* check;
  TButton* options;
  TButton* exit;
  TRadioGroup* group;
  std::vector<std::string> events;

  TKeyWindow() {
    window.SetClientSize(257, 389);
    window.SetFont(FontOf(16));
    check = window.Make<TButton>(TRect{184, 216, 65, 25}, "Check");
    group = window.Make<TRadioGroup>(TRect{168, 0, 89, 209});
    options = window.Make<TButton>(TRect{184, 296, 65, 25}, "Options");
    exit = window.Make<TButton>(TRect{184, 360, 65, 25}, "Exit");
    window.SetKeyPreview(true);
    window.SetDefaultButton(check);
    window.SetTabOrder({group, check, options, exit});
    check->OnClick = [this] { events.push_back("click:Check"); };
    options->OnClick = [this] { events.push_back("click:Options"); };
    exit->OnClick = [this] { events.push_back("click:Exit"); };
    group->OnClick = [this](int i) { events.push_back("choice:" + std::to_string(i)); };
    window.OnKeyDown = [this](TKey key) {
      events.push_back("down:" + std::to_string(static_cast<int>(key)));
    };
    window.OnKeyPress = [this](char c) { events.push_back(std::string("press:") + c); };
    window.Show();
    SetForegroundWindow(H(window));
    win32::ProcessMessages();
  }
  HWND Focus() const { return GetFocus(); }
};

TEST(Keys, TheFirstTabStopHasTheFocusWhenTheWindowOpens) {
  TKeyWindow keys;  // the choice list has no items: Check comes first
  EXPECT_EQ(keys.Focus(), H(*keys.check));
}

TEST(Keys, F2AndF3ReachTheKeyPreviewAsTheProgramsFunctionKeys) {
  TKeyWindow keys;
  keys.group->SetItems({"12", "21", "13", "31"});
  keys.group->SetItemIndex(2);
  keys.check->SetFocus();
  PressKey(VK_F2);
  SetFocus(Item(*keys.group, 2));
  PressKey(VK_F3);
  EXPECT_EQ(keys.events, (std::vector<std::string>{"down:" + std::to_string(int(FunctionKey(2))),
                                                   "down:" + std::to_string(int(FunctionKey(3)))}));
  EXPECT_EQ(keys.Focus(), Item(*keys.group, 2));
}

TEST(Keys, WithoutAControlFocusedArrowsGoToTheKeyHandler) {
  TForm window(nullptr, bsSingle);
  window.SetClientSize(100, 100);
  std::vector<TKey> down;
  window.SetKeyPreview(true);
  window.OnKeyDown = [&](TKey key) { down.push_back(key); };
  window.Show();
  SetForegroundWindow(H(window));
  win32::ProcessMessages();
  ASSERT_EQ(GetFocus(), H(window));
  PressKey(VK_DOWN);
  PressKey(VK_UP);
  EXPECT_EQ(down, (std::vector<TKey>{TKey::Down, TKey::Up}));
}

// The options dialog's kinds of control: a check box first, OK, and Cancel, which closes it.
struct TDialogWindow {
  TForm owner{nullptr, bsSingle};
  TForm dialog{&owner, bsDialog};
  TCheckBox* box;
  TButton* ok;
  TButton* cancel;
  std::vector<std::string> clicks;

  TDialogWindow() {
    owner.Show();
    dialog.SetClientSize(204, 390);
    box = dialog.Make<TCheckBox>(TRect{16, 16, 161, 33}, "Addition questions");
    ok = dialog.Make<TButton>(TRect{16, 336, 73, 25}, "OK");
    cancel = dialog.Make<TButton>(TRect{112, 336, 73, 25}, "Cancel");
    ok->OnClick = [this] { clicks.push_back("OK"); };
    cancel->OnClick = [this] {
      clicks.push_back("Cancel");
      dialog.Close();
    };
  }
};

TEST(Keys, InADialogEnterPressesOnlyAFocusedButtonAndEscDoesNothing) {
  TDialogWindow window;
  std::vector<std::string> focusSeen;
  TTimer timer(50);
  int step = 0;
  timer.OnTimer = [&] {
    switch (step++) {
      case 0:
        focusSeen.push_back(GetFocus() == H(*window.box) ? "box" : "?");
        PressKey(VK_RETURN);  // on the check box: nothing
        PressKey(VK_ESCAPE);  // nothing either
        break;
      case 1:
        focusSeen.push_back(IsWindowVisible(H(window.dialog)) ? "open" : "closed");
        window.ok->SetFocus();
        PressKey(VK_RETURN);
        break;
      case 2:
        window.cancel->SetFocus();
        PressKey(VK_RETURN);
        break;
      default:
        window.dialog.Close();
    }
  };
  window.dialog.ShowModal();
  EXPECT_EQ(focusSeen, (std::vector<std::string>{"box", "open"}));
  EXPECT_EQ(window.clicks, (std::vector<std::string>{"OK", "Cancel"}));
}

}  // namespace
}  // namespace gapwise::win32_test
