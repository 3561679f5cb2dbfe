// The Win32 backend's rules, on real windows under Windows or Wine: message and error boxes (read
// and closed through a CBT hook), errors escaping handlers, SetTimer ticks and their phase, modal
// forms, the choice list, the edit box's key filter and limit, key preview and dialog keys, the
// forms' frames, what MSAA reads, spoken notices, and the file test.
#include <windows.h>  // first: the other Windows headers build on it

#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/services.h"
#include "ui/toolkit/timer.h"
#include "ui/toolkit/win32/testing.h"

namespace gapwise {
namespace {

using Clock = std::chrono::steady_clock;

HWND H(const TControl& control) {
  return static_cast<HWND>(win32::NativeWindow(control));
}

HWND Item(const TRadioGroup& group, int index) {
  return static_cast<HWND>(win32::NativeItem(group, index));
}

std::string TextOf(HWND hwnd) {
  char text[512] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

// Handles events until done() or the time is up; true when done.
bool PumpUntil(const std::function<bool()>& done, int ms = 5000) {
  const auto end = Clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (Clock::now() > end) return false;
    win32::ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

void Pump(int ms) {
  PumpUntil([] { return false; }, ms);
}

// A key press as the keyboard would send it to the focused window: down and up, with the scan
// code that TranslateMessage needs to type its character.
void PressKey(UINT key) {
  const HWND target = GetFocus();
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(target, WM_KEYDOWN, key, 1 | scan);
  PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(1 | scan | 0xC0000000u));
  win32::ProcessMessages();
}

// Shift held down, as the keyboard state that the loop reads says.
class TShiftDown {
 public:
  TShiftDown() { Set(0x80); }
  ~TShiftDown() { Set(0); }

 private:
  static void Set(BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = state;
    keys[VK_LSHIFT] = state;
    SetKeyboardState(keys);
  }
};

// Wine's oleacc reads the system's controls as plain clients (ROLE_SYSTEM_CLIENT); Windows'
// reads a push button as one.
bool OnWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// ----- message boxes -------------------------------------------------------------------------

struct TSeenBox {
  std::string title;
  std::string text;
  bool icon = false;
  std::vector<std::string> buttons;
  bool centred = false;      // in the middle of the screen's work area
  bool ownerEnabled = true;  // the owner (if any) took input while the box was open
};

// Reads every message box the program opens, once it runs its own loop (a CBT hook of this
// thread notes it, a timer of that loop reads it), and presses a key in it unless the test closes
// it; a box still open after five seconds is closed so that a failing test does not hang.
class TBoxWatcher {
 public:
  explicit TBoxWatcher(UINT key = VK_RETURN) : key_(key) {
    current_ = this;
    hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    guard_ = SetTimer(nullptr, 0, 5000, Guard);
  }
  ~TBoxWatcher() {
    UnhookWindowsHookEx(hook_);
    KillTimer(nullptr, guard_);
    if (inspect_ != 0) KillTimer(nullptr, inspect_);
    current_ = nullptr;
  }

  std::vector<TSeenBox> seen;
  HWND open = nullptr;       // the box open now
  bool closeByHand = false;  // leave the box open for the test to close

  // The key, pressed on the box's focused button as the keyboard would.
  void CloseWith(UINT key) const {
    const HWND focus = GetFocus();
    const HWND target = focus != nullptr && (focus == open || IsChild(open, focus)) ? focus : open;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current_ != nullptr) {
      const auto box = reinterpret_cast<HWND>(wParam);
      if (ClassOf(box) == "#32770" && current_->open != box) {
        if (current_->inspect_ != 0) KillTimer(nullptr, current_->inspect_);
        current_->open = box;
        current_->inspect_ = SetTimer(nullptr, 0, 20, Inspect);
      }
    }
    if (code == HCBT_DESTROYWND && current_ != nullptr &&
        reinterpret_cast<HWND>(wParam) == current_->open) {
      current_->open = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static void CALLBACK Inspect(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (current_ == nullptr || id != current_->inspect_) return;
    current_->inspect_ = 0;
    if (current_->open != nullptr) current_->Seen(current_->open);
  }
  static void CALLBACK Guard(HWND, UINT, UINT_PTR, DWORD) {
    if (current_ != nullptr && current_->open != nullptr) {
      PostMessageW(current_->open, WM_COMMAND, IDOK, 0);
    }
  }
  static BOOL CALLBACK Child(HWND child, LPARAM data) {
    auto& box = *reinterpret_cast<TSeenBox*>(data);
    if (!IsWindowVisible(child)) return TRUE;
    const std::string type = ClassOf(child);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (type == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
      box.icon = box.icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
    } else if (type == "Static" && !TextOf(child).empty()) {
      box.text = TextOf(child);
    } else if (type == "Button") {
      box.buttons.push_back(TextOf(child));
    }
    return TRUE;
  }

  void Seen(HWND box) {
    TSeenBox seenBox;
    seenBox.title = TextOf(box);
    EnumChildWindows(box, Child, reinterpret_cast<LPARAM>(&seenBox));
    RECT frame;
    GetWindowRect(box, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(box, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    seenBox.centred = std::abs((frame.left + frame.right) - (work.left + work.right)) <= 4 &&
                      std::abs((frame.top + frame.bottom) - (work.top + work.bottom)) <= 4;
    const HWND owner = GetWindow(box, GW_OWNER);
    seenBox.ownerEnabled = owner != nullptr && IsWindowEnabled(owner);
    seen.push_back(seenBox);
    if (!closeByHand) CloseWith(key_);
  }

  static inline TBoxWatcher* current_ = nullptr;
  UINT key_;
  HHOOK hook_;
  UINT_PTR guard_;
  UINT_PTR inspect_ = 0;
};

class MessageBoxKeys : public testing::TestWithParam<UINT> {};

TEST_P(MessageBoxKeys, TitleTextOneOkNoIconAndTheKeyClosesIt) {
  TBoxWatcher watcher(GetParam());
  const auto start = Clock::now();
  ShowMessage(nullptr, "The answer is 05");
  ASSERT_EQ(watcher.seen.size(), 1u);
  const TSeenBox& box = watcher.seen[0];
  EXPECT_EQ(box.title, "Gapwise");
  EXPECT_EQ(box.text, "The answer is 05");
  EXPECT_FALSE(box.icon);
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(box.centred);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(4)) << "the key did not close the box";
}

INSTANTIATE_TEST_SUITE_P(EnterAndEsc, MessageBoxKeys, testing::Values(VK_RETURN, VK_ESCAPE));

TEST(Message, ItsOwnerTakesNoInputWhileItIsOpen) {
  TForm form(nullptr, bsSingle);
  form.SetClientSize(200, 100);
  form.Show();
  TBoxWatcher watcher;
  ShowMessage(&form, "File missing");
  ASSERT_EQ(watcher.seen.size(), 1u);
  EXPECT_FALSE(watcher.seen[0].ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(H(form)));
}

struct TFullStop {
  const char* message;
  const char* shown;
};

class ErrorBox : public testing::TestWithParam<TFullStop> {};

TEST_P(ErrorBox, HasTheTitleAnErrorIconAndAFullStopAfterALetterOrDigit) {
  TBoxWatcher watcher;
  ShowError(GetParam().message);
  ASSERT_EQ(watcher.seen.size(), 1u);
  EXPECT_EQ(watcher.seen[0].title, "Gapwise");
  EXPECT_EQ(watcher.seen[0].text, GetParam().shown);
  EXPECT_TRUE(watcher.seen[0].icon);
  EXPECT_EQ(watcher.seen[0].buttons, std::vector<std::string>{"OK"});
}

INSTANTIATE_TEST_SUITE_P(Messages, ErrorBox,
                         testing::Values(TFullStop{"Failed to get data", "Failed to get data."},
                                         TFullStop{"Error 5", "Error 5."},
                                         TFullStop{"Invalid data type for 'ops'",
                                                   "Invalid data type for 'ops'"},
                                         TFullStop{"Done.", "Done."}, TFullStop{"a/", "a/."}));

TEST(ErrorBox, AnErrorInAClickIsShownAndTheProgramGoesOn) {
  TForm form(nullptr, bsSingle);
  form.SetClientSize(200, 100);
  auto* button = form.Make<TButton>(TRect{10, 10, 80, 25}, "Check");
  int after = 0;
  button->OnClick = [&] {
    throw std::runtime_error("'x' is not a valid integer value");
    ++after;  // never reached
  };
  form.Show();
  TBoxWatcher watcher;
  SendMessageW(H(*button), BM_CLICK, 0, 0);
  SendMessageW(H(*button), BM_CLICK, 0, 0);
  ASSERT_EQ(watcher.seen.size(), 2u);
  EXPECT_EQ(watcher.seen[1].text, "'x' is not a valid integer value.");
  EXPECT_TRUE(watcher.seen[1].icon);
  EXPECT_EQ(after, 0);
}

TEST(ErrorBox, AnErrorInATickIsShownAndTheTimerGoesOn) {
  TBoxWatcher watcher;
  TTimer timer(20);
  int ticks = 0;
  timer.OnTimer = [&] {
    if (++ticks <= 2) throw std::runtime_error("Failed to set data for 'ops'");
  };
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 4; }));
  EXPECT_EQ(watcher.seen.size(), 2u);
}

// ----- the timer -----------------------------------------------------------------------------

TEST(Timer, TicksKeepComingWhileAMessageIsOpen) {
  TBoxWatcher watcher;
  watcher.closeByHand = true;
  TTimer timer(20);
  int ticks = 0;
  timer.OnTimer = [&] {
    if (++ticks == 3 && watcher.open != nullptr) watcher.CloseWith(VK_RETURN);
  };
  ShowMessage(nullptr, "x");
  EXPECT_GE(ticks, 3);
  EXPECT_EQ(watcher.seen.size(), 1u);
}

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

TEST(Timer, StartsEnabledKeepsItsPhaseWhenEnabledAgainAndRestartsAfterADisable) {
  const auto made = Clock::now();
  TTimer timer;
  std::vector<double> ticks;
  Clock::time_point from = made;
  timer.OnTimer = [&] { ticks.push_back(MsSince(from)); };
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000);
  Pump(400);
  timer.SetEnabled(true);  // no change: the running period goes on
  ASSERT_TRUE(PumpUntil([&] { return !ticks.empty(); }, 3000));
  EXPECT_LT(ticks[0], 1250) << "enabling an enabled timer restarted its period";
  EXPECT_GT(ticks[0], 850);
  timer.SetEnabled(false);
  ticks.clear();
  Pump(1300);
  EXPECT_TRUE(ticks.empty()) << "a disabled timer ticked";
  Pump(200);
  from = Clock::now();
  timer.SetEnabled(true);  // a fresh full period
  ASSERT_TRUE(PumpUntil([&] { return !ticks.empty(); }, 3000));
  EXPECT_GT(ticks[0], 850);
}

// ----- modal forms ---------------------------------------------------------------------------

TEST(ModalForm, OwnerDisabledTimerTickingCentredOverItsOwnerReturnsWhenClosed) {
  TForm owner(nullptr, bsSingle);
  owner.SetClientSize(257, 389);
  owner.MoveTo(300, 150);
  owner.Show();
  TForm dialog(&owner, bsDialog);
  dialog.SetCaption("Info");
  dialog.SetClientSize(231, 254);
  dialog.SetPosition(poOwnerFormCenter);
  TTimer timer(30);
  int ticks = 0;
  bool ownerEnabled = true;
  bool dialogShown = false;
  RECT ownerFrame{};
  RECT dialogFrame{};
  timer.OnTimer = [&] {
    if (++ticks != 3) return;
    ownerEnabled = IsWindowEnabled(H(owner)) != FALSE;
    dialogShown = IsWindowVisible(H(dialog)) != FALSE;
    GetWindowRect(H(owner), &ownerFrame);
    GetWindowRect(H(dialog), &dialogFrame);
    PostMessageW(H(dialog), WM_CLOSE, 0, 0);  // the title bar's close button
  };
  dialog.ShowModal();
  EXPECT_GE(ticks, 3);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_TRUE(dialogShown);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_FALSE(IsWindowVisible(H(dialog)));
  EXPECT_TRUE(IsWindowEnabled(H(owner)));
  EXPECT_NEAR((ownerFrame.left + ownerFrame.right) / 2.0,
              (dialogFrame.left + dialogFrame.right) / 2.0, 1.0);
  EXPECT_NEAR((ownerFrame.top + ownerFrame.bottom) / 2.0,
              (dialogFrame.top + dialogFrame.bottom) / 2.0, 1.0);
}

TEST(ModalForm, CloseFromAButtonEndsTheLoop) {
  TForm owner(nullptr, bsSingle);
  owner.SetClientSize(200, 200);
  owner.Show();
  TForm dialog(&owner, bsDialog);
  dialog.SetClientSize(100, 80);
  auto* ok = dialog.Make<TButton>(TRect{10, 10, 60, 25}, "OK");
  ok->OnClick = [&] { dialog.Close(); };
  TTimer timer(30);
  timer.OnTimer = [&] { PostMessageW(H(*ok), BM_CLICK, 0, 0); };
  dialog.ShowModal();
  EXPECT_FALSE(IsWindowVisible(H(dialog)));
}

// ----- frames --------------------------------------------------------------------------------

TEST(Frame, MainWindowClientAreaPositionAndTitleBarButtons) {
  TForm form(nullptr, bsSingle);
  form.SetCaption("Gapwise");
  form.SetClientSize(257, 389);
  form.MoveTo(372, 171);
  form.Show();
  RECT client;
  GetClientRect(H(form), &client);
  EXPECT_EQ(client.right, 257);
  EXPECT_EQ(client.bottom, 389);
  RECT frame;
  GetWindowRect(H(form), &frame);
  EXPECT_EQ(frame.left, 372);
  EXPECT_EQ(frame.top, 171);
  EXPECT_EQ(TextOf(H(form)), "Gapwise");
  const LONG style = GetWindowLongW(H(form), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
}

TEST(Frame, DialogHasATitleBarAndCloseOnly) {
  TForm owner(nullptr, bsSingle);
  TForm dialog(&owner, bsDialog);
  dialog.SetClientSize(204, 390);
  RECT client;
  GetClientRect(H(dialog), &client);
  EXPECT_EQ(client.right, 204);
  EXPECT_EQ(client.bottom, 390);
  const LONG style = GetWindowLongW(H(dialog), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(GetWindow(H(dialog), GW_OWNER), H(owner));
}

TEST(Frame, LabelsSizeThemselvesToTheirTextInTimesNewRoman) {
  TForm form(nullptr, bsSingle);
  form.SetFont(FontOf(16));
  auto* bold = form.Make<TLabel>(TRect{16, 24, 0, 19}, "Right :", true);
  bold->SetFont(FontOf(16, fsBold));
  auto* plain = form.Make<TLabel>(TRect{144, 230, 0, 19}, "secs", true);
  // The designed widths (Times New Roman, or a face with its metrics such as Liberation Serif).
  EXPECT_NEAR(bold->Width(), 46, 2);
  EXPECT_NEAR(plain->Width(), 26, 2);
  RECT box;
  GetWindowRect(H(*bold), &box);
  EXPECT_EQ(box.right - box.left, bold->Width());
}

BOOL CALLBACK FindTooltip(HWND hwnd, LPARAM found) {
  if (ClassOf(hwnd) == "tooltips_class32") *reinterpret_cast<HWND*>(found) = hwnd;
  return TRUE;
}

TEST(Frame, AHintIsShownByTheFormsTooltip) {
  TForm form(nullptr, bsSingle);
  form.SetClientSize(231, 254);
  auto* label = form.Make<TLabel>(TRect{16, 140, 0, 19}, "internet site:  www.ardentree.eu", true);
  label->SetHint("internet site:  www.ardentree.eu");
  HWND tooltip = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&tooltip));
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(GetWindow(tooltip, GW_OWNER), H(form));
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
  wchar_t text[256] = {};
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = H(form);
  tool.uId = reinterpret_cast<UINT_PTR>(H(*label));
  tool.lpszText = text;
  SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(std::wstring(text), L"internet site:  www.ardentree.eu");
  label->SetHint("");
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 0);
}

// ----- the choice list -----------------------------------------------------------------------

struct TGroupWindow {
  TForm window{nullptr, bsSingle};
  TRadioGroup* group = window.Make<TRadioGroup>(TRect{0, 0, 89, 209});
  TGroupWindow() {
    window.SetClientSize(100, 220);
    group->SetFont(FontOf(19, fsItalic, clWhite));
    group->SetColor(clBlack);
  }
  bool Checked(int index) const {
    return SendMessageW(Item(*group, index), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
};

struct TClamp {
  int count;
  int set;
  int index;
};

class ChoiceListClamps : public testing::TestWithParam<TClamp> {};

TEST_P(ChoiceListClamps, ItsIndexAndChecksOneButton) {
  TGroupWindow list;
  std::vector<std::string> items;
  for (int i = 0; i < GetParam().count; ++i) items.push_back(std::to_string(i * 11));
  list.group->SetItems(items);
  list.group->SetItemIndex(GetParam().set);
  EXPECT_EQ(list.group->ItemIndex(), GetParam().index);
  for (int i = 0; i < GetParam().count; ++i) EXPECT_EQ(list.Checked(i), i == GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Table, ChoiceListClamps,
                         testing::Values(TClamp{4, -1, -1}, TClamp{4, -7, -1}, TClamp{4, 0, 0},
                                         TClamp{4, 3, 3}, TClamp{4, 4, 3}, TClamp{4, 99, 3},
                                         TClamp{0, 2, -1}));

TEST(ChoiceList, AClickSelectsSettingTheIndexIsNoClick) {
  TGroupWindow list;
  std::vector<int> clicks;
  list.group->OnClick = [&](int i) { clicks.push_back(i); };
  list.group->SetItems({"4", "7", "1", "0"});
  list.group->SetItemIndex(0);
  EXPECT_TRUE(clicks.empty());
  list.window.Show();
  SendMessageW(Item(*list.group, 2), BM_CLICK, 0, 0);
  SendMessageW(Item(*list.group, 2), BM_CLICK, 0, 0);  // a second click keeps it selected
  EXPECT_EQ(list.group->ItemIndex(), 2);
  EXPECT_TRUE(list.Checked(2));
  EXPECT_FALSE(list.Checked(0));
  EXPECT_EQ(clicks, (std::vector<int>{2, 2}));
  list.group->ClearItems();
  EXPECT_EQ(list.group->ItemIndex(), -1);
  EXPECT_FALSE(IsWindowVisible(Item(*list.group, 0)));
  EXPECT_EQ(Item(*list.group, 0), nullptr);  // no such item
}

TEST(ChoiceList, KeepsItsButtonsAndStandsThemInOneColumn) {
  TGroupWindow list;
  list.window.Show();
  list.group->SetCaption("  ? is : ");
  list.group->SetItems({"1", "2", "3", "4"});
  const HWND third = Item(*list.group, 2);
  list.group->SetItems({"5", "6", "7", "8"});
  EXPECT_EQ(Item(*list.group, 2), third);
  list.group->SetItem(2, "9");
  list.group->AddItem("10");
  EXPECT_EQ(TextOf(Item(*list.group, 2)), "9");
  EXPECT_EQ(TextOf(Item(*list.group, 4)), "10");
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

// ----- the edit box --------------------------------------------------------------------------

struct TEditWindow {
  TForm window{nullptr, bsDialog};
  TEdit* edit = window.Make<TEdit>(TRect{104, 230, 33, 27});
  std::string seen;
  TEditWindow() {
    window.SetClientSize(204, 300);
    edit->SetMaxLength(3);
    // The options dialog's filter: digits and Backspace pass, "a" becomes "4", the rest code 17.
    edit->OnKeyPress = [this](char& key) {
      seen += key;
      if (key == 'a') {
        key = '4';
      } else if (key != 8 && (key < '0' || key > '9')) {
        key = 17;
      }
    };
    window.Show();
    edit->SetFocus();
  }
  void Type(const std::string& text) {
    for (const char c : text) {
      PostMessageW(H(*edit), WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    win32::ProcessMessages();
  }
};

void SetClipboard(const char* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const std::size_t size = std::strlen(text) + 1;
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), text, size);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

TEST(Edit, TheKeyHandlerSeesEachCharacterFirstAndCode17IsNotInserted) {
  TEditWindow box;
  box.Type("x5-a");
  EXPECT_EQ(box.edit->Text(), "54");
  EXPECT_EQ(box.seen, "x5-a");
  box.Type("\b");
  EXPECT_EQ(box.edit->Text(), "5");
}

TEST(Edit, TheUserTypesAtMostMaxLengthCharacters) {
  TEditWindow box;
  box.Type("1234");
  EXPECT_EQ(box.edit->Text(), "123");
}

TEST(Edit, CtrlVArrivesAsCharacter22AndTheFilterDropsIt) {
  TEditWindow box;
  SetClipboard("99");
  box.Type("\x16");
  EXPECT_EQ(box.edit->Text(), "");
  EXPECT_EQ(box.seen, "\x16");
}

TEST(Edit, APasteIsLimitedButTextSetByTheProgramIsNot) {
  TEditWindow box;
  SetClipboard("98765");
  SendMessageW(H(*box.edit), WM_PASTE, 0, 0);
  EXPECT_EQ(box.edit->Text(), "987");
  box.edit->SetText("12345");
  EXPECT_EQ(box.edit->Text(), "12345");
  SendMessageW(H(*box.edit), EM_SETSEL, 5, 5);  // the caret at the end
  box.Type("\b");
  EXPECT_EQ(box.edit->Text(), "1234");  // shortening a longer text is allowed
  box.Type("9");
  EXPECT_EQ(box.edit->Text(), "1234");  // lengthening it is not
}

// ----- key preview and dialog keys -----------------------------------------------------------

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
    window.OnKeyDown = [this](std::uint16_t key) {
      events.push_back("down:" + std::to_string(key));
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

TEST(Keys, PreviewSeesKeysAndCharactersBeforeTheFocusedControl) {
  TForm window(nullptr, bsSingle);
  window.SetClientSize(200, 100);
  auto* edit = window.Make<TEdit>(TRect{10, 10, 60, 24});
  std::vector<std::string> events;
  window.SetKeyPreview(true);
  window.OnKeyDown = [&](std::uint16_t key) {
    events.push_back("form-down:" + std::to_string(key));
  };
  window.OnKeyPress = [&](char c) { events.push_back(std::string("form-press:") + c); };
  edit->OnKeyPress = [&](char& c) { events.push_back(std::string("edit-press:") + c); };
  window.Show();
  edit->SetFocus();
  PressKey('7');
  EXPECT_EQ(events, (std::vector<std::string>{"form-down:55", "form-press:7", "edit-press:7"}));
  EXPECT_EQ(edit->Text(), "7");
}

TEST(Keys, TabAndShiftTabFollowTheTabOrderAndReachNoKeyHandler) {
  TKeyWindow keys;
  keys.check->SetFocus();
  PressKey(VK_TAB);
  EXPECT_EQ(keys.Focus(), H(*keys.options));
  PressKey(VK_TAB);
  PressKey(VK_TAB);  // the list has no selection, so it is no stop: round to Check
  EXPECT_EQ(keys.Focus(), H(*keys.check));
  {
    TShiftDown shift;
    PressKey(VK_TAB);
  }
  EXPECT_EQ(keys.Focus(), H(*keys.exit));
  EXPECT_TRUE(keys.events.empty());
}

TEST(Keys, ArrowsMoveBetweenControlsOfTheSameParentWrappingAndReachNoKeyHandler) {
  TKeyWindow keys;
  keys.check->SetFocus();
  PressKey(VK_DOWN);
  EXPECT_EQ(keys.Focus(), H(*keys.options));
  PressKey(VK_RIGHT);
  EXPECT_EQ(keys.Focus(), H(*keys.exit));
  PressKey(VK_DOWN);  // the list without items is skipped: round to Check
  EXPECT_EQ(keys.Focus(), H(*keys.check));
  PressKey(VK_UP);
  EXPECT_EQ(keys.Focus(), H(*keys.exit));
  EXPECT_TRUE(keys.events.empty());
}

TEST(Keys, AnArrowIntoTheChoiceListSelectsTheButtonItReachesAndMovesWithinIt) {
  TKeyWindow keys;
  keys.group->SetItems({"12", "21", "13", "31"});
  keys.check->SetFocus();
  PressKey(VK_UP);  // back from Check: the list, entered at its last button
  EXPECT_EQ(keys.Focus(), Item(*keys.group, 3));
  EXPECT_EQ(keys.group->ItemIndex(), 3);
  PressKey(VK_DOWN);  // within the list, wrapping
  EXPECT_EQ(keys.Focus(), Item(*keys.group, 0));
  EXPECT_EQ(keys.group->ItemIndex(), 0);
  EXPECT_EQ(keys.events, (std::vector<std::string>{"choice:3", "choice:0"}));
  keys.events.clear();
  keys.check->SetFocus();
  {
    TShiftDown shift;
    PressKey(VK_TAB);  // Tab enters the list at its selected button
  }
  EXPECT_EQ(keys.Focus(), Item(*keys.group, 0));
  EXPECT_TRUE(keys.events.empty());
}

TEST(Keys, EnterPressesTheFocusedButtonElseTheDefaultOne) {
  TKeyWindow keys;
  keys.group->SetItems({"12", "21", "13", "31"});
  keys.group->SetItemIndex(1);
  keys.options->SetFocus();
  PressKey(VK_RETURN);
  EXPECT_EQ(keys.events, std::vector<std::string>{"click:Options"});
  EXPECT_EQ(keys.Focus(), H(*keys.options));
  keys.events.clear();
  SetFocus(Item(*keys.group, 1));
  PressKey(VK_RETURN);
  EXPECT_EQ(keys.events, std::vector<std::string>{"click:Check"});
  EXPECT_EQ(keys.Focus(), Item(*keys.group, 1)) << "the default button took the focus";
}

TEST(Keys, WithoutAControlFocusedArrowsGoToTheKeyHandler) {
  TForm window(nullptr, bsSingle);
  window.SetClientSize(100, 100);
  std::vector<std::uint16_t> down;
  window.SetKeyPreview(true);
  window.OnKeyDown = [&](std::uint16_t key) { down.push_back(key); };
  window.Show();
  SetForegroundWindow(H(window));
  win32::ProcessMessages();
  ASSERT_EQ(GetFocus(), H(window));
  PressKey(VK_DOWN);
  PressKey(VK_UP);
  EXPECT_EQ(down, (std::vector<std::uint16_t>{VK_DOWN, VK_UP}));
}

TEST(Keys, InADialogEnterPressesOnlyAFocusedButtonAndEscDoesNothing) {
  TForm owner(nullptr, bsSingle);
  owner.Show();
  TForm dialog(&owner, bsDialog);
  dialog.SetClientSize(204, 390);
  auto* box = dialog.Make<TCheckBox>(TRect{16, 16, 161, 33}, "Addition questions");
  auto* ok = dialog.Make<TButton>(TRect{16, 336, 73, 25}, "OK");
  auto* cancel = dialog.Make<TButton>(TRect{112, 336, 73, 25}, "Cancel");
  std::vector<std::string> clicks;
  ok->OnClick = [&] { clicks.push_back("OK"); };
  cancel->OnClick = [&] {
    clicks.push_back("Cancel");
    dialog.Close();
  };
  std::vector<std::string> focusSeen;
  TTimer timer(50);
  int step = 0;
  timer.OnTimer = [&] {
    switch (step++) {
      case 0:
        focusSeen.push_back(GetFocus() == H(*box) ? "box" : "?");
        PressKey(VK_RETURN);  // on the check box: nothing
        PressKey(VK_ESCAPE);  // nothing either
        break;
      case 1:
        focusSeen.push_back(IsWindowVisible(H(dialog)) ? "open" : "closed");
        ok->SetFocus();
        PressKey(VK_RETURN);
        break;
      case 2:
        cancel->SetFocus();
        PressKey(VK_RETURN);
        break;
      default:
        dialog.Close();
    }
  };
  dialog.ShowModal();
  EXPECT_EQ(focusSeen, (std::vector<std::string>{"box", "open"}));
  EXPECT_EQ(clicks, (std::vector<std::string>{"OK", "Cancel"}));
}

// ----- what a screen reader reads ------------------------------------------------------------

class TComInit {
 public:
  TComInit() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~TComInit() { CoUninitialize(); }
};

// The client object of a window, as a screen reader gets it (WM_GETOBJECT through oleacc).
struct TRead {
  std::string name;
  std::string description;
  std::string value;
  long role = 0;
  long state = 0;
  long children = -1;
};

std::string Narrow(BSTR text) {
  if (text == nullptr) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), length, nullptr, nullptr);
  narrow.resize(narrow.size() - 1);
  SysFreeString(text);
  return narrow;
}

TRead Read(IAccessible* object) {
  TRead read;
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  if (object->get_accName(self, &text) == S_OK) read.name = Narrow(text);
  text = nullptr;
  if (object->get_accDescription(self, &text) == S_OK) read.description = Narrow(text);
  text = nullptr;
  if (object->get_accValue(self, &text) == S_OK) read.value = Narrow(text);
  VARIANT result;
  VariantInit(&result);
  if (object->get_accRole(self, &result) == S_OK && result.vt == VT_I4) read.role = result.lVal;
  VariantInit(&result);
  if (object->get_accState(self, &result) == S_OK && result.vt == VT_I4) read.state = result.lVal;
  object->get_accChildCount(&read.children);
  return read;
}

TRead Read(HWND hwnd) {
  IAccessible* object = nullptr;
  const GUID iid = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
  if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), iid,
                                        reinterpret_cast<void**>(&object))) ||
      object == nullptr) {
    ADD_FAILURE() << "no accessible object for " << ClassOf(hwnd);
    return {};
  }
  const TRead read = Read(object);
  object->Release();
  return read;
}

// The window of the main window's kinds of control, named as the main window names them.
struct TReadWindow {
  TForm window{nullptr, bsSingle};
  TPanel* panel;
  TLabel* inside;
  TButton* check;
  TLabel* right;
  TStaticText* answer;
  TRadioGroup* group;
  TEdit* edit;
  TReadWindow() {
    window.SetCaption("Gapwise");
    window.SetClientSize(257, 389);
    panel = window.Make<TPanel>(TRect{0, 0, 169, 209}, clWhite);
    inside = panel->Make<TLabel>(TRect{56, 24, 49, 25}, "3?5", false, taRightJustify);
    check = window.Make<TButton>(TRect{184, 216, 65, 25}, "Check");
    right = window.Make<TLabel>(TRect{80, 232, 49, 17}, "0", false, taRightJustify);
    answer = window.Make<TStaticText>(TRect{192, 88, 35, 30});
    group = window.Make<TRadioGroup>(TRect{168, 0, 89, 209});
    edit = window.Make<TEdit>(TRect{10, 300, 40, 24});
  }
};

TEST(Reader, ControlsCarryTheirCaptionsAndTheNamesTheProgramGives) {
  TComInit com;
  TReadWindow form;
  form.right->SetAccessibleTitle("Right");
  form.right->SetCaption("3");
  form.answer->SetAccessibleName("Answer");
  form.answer->SetCaption("4");
  form.group->SetCaption(" ?? is : ");
  form.group->SetItems({"12", "21"});
  form.edit->SetAccessibleName("Time limit in seconds");
  form.window.Show();
  win32::ProcessMessages();

  EXPECT_EQ(Read(H(*form.check)).name, "Check");
  if (!OnWine()) {
    EXPECT_EQ(Read(H(*form.check)).role, ROLE_SYSTEM_PUSHBUTTON);
  }
  EXPECT_EQ(Read(H(*form.right)).name, "Right: 3");
  EXPECT_EQ(Read(H(*form.right)).role, ROLE_SYSTEM_STATICTEXT);
  const TRead answer = Read(H(*form.answer));
  EXPECT_EQ(answer.name, "Answer");
  EXPECT_EQ(answer.value, "4");
  EXPECT_EQ(answer.role, ROLE_SYSTEM_TEXT);
  EXPECT_TRUE(answer.state & STATE_SYSTEM_READONLY);
  const TRead group = Read(H(*form.group));
  EXPECT_EQ(group.name, "?? is :");
  EXPECT_EQ(group.role, ROLE_SYSTEM_GROUPING);
  EXPECT_EQ(Read(Item(*form.group, 1)).name, "21");
  if (!OnWine()) {
    EXPECT_EQ(Read(Item(*form.group, 1)).role, ROLE_SYSTEM_RADIOBUTTON);
  }
  EXPECT_EQ(Read(H(*form.edit)).name, "Time limit in seconds");
  EXPECT_EQ(Read(H(*form.edit)).role, ROLE_SYSTEM_TEXT);
  form.group->SetAccessibleName("question mark question mark is");
  EXPECT_EQ(Read(H(*form.group)).name, "question mark question mark is");
}

TEST(Reader, APanelWithAReadingIsOneTextItsControlsHidden) {
  TComInit com;
  TReadWindow form;
  form.window.Show();
  EXPECT_FALSE(Read(H(*form.inside)).state & STATE_SYSTEM_INVISIBLE);
  form.panel->SetReading("3 question mark 5 plus 78 equals 423",
                         "one digit is missing in the first number");
  const TRead panel = Read(H(*form.panel));
  EXPECT_EQ(panel.name, "3 question mark 5 plus 78 equals 423");
  EXPECT_EQ(panel.description, "one digit is missing in the first number");
  EXPECT_EQ(panel.role, ROLE_SYSTEM_STATICTEXT);
  EXPECT_EQ(panel.children, 0);
  EXPECT_TRUE(Read(H(*form.inside)).state & STATE_SYSTEM_INVISIBLE);
}

// WinEvents as a screen reader that listens out of context gets them.
class TEventListener {
 public:
  TEventListener() {
    current_ = this;
    hook_ = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_OBJECT_NAMECHANGE, nullptr, Event,
                            GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  }
  ~TEventListener() {
    UnhookWinEvent(hook_);
    current_ = nullptr;
  }
  struct TSeen {
    DWORD event;
    HWND hwnd;
    std::string name;
  };
  std::vector<TSeen> seen;

 private:
  static void CALLBACK Event(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD,
                             DWORD) {
    if (current_ == nullptr || object != OBJID_CLIENT) return;
    if (event != EVENT_SYSTEM_ALERT && event != EVENT_OBJECT_NAMECHANGE) return;
    IAccessible* accessible = nullptr;
    VARIANT found;
    VariantInit(&found);
    std::string name;
    if (SUCCEEDED(AccessibleObjectFromEvent(hwnd, object, child, &accessible, &found)) &&
        accessible != nullptr) {
      name = Read(accessible).name;
      accessible->Release();
    }
    current_->seen.push_back({event, hwnd, name});
  }
  static inline TEventListener* current_ = nullptr;
  HWINEVENTHOOK hook_;
};

TEST(Reader, AnAnnouncementIsANameChangeAndAnAlertWithoutUiAutomationNotifications) {
  TComInit com;
  std::printf("[ info     ] UiaRaiseNotificationEvent %s\n",
              win32::UiaNotificationsAvailable() ? "found: notices go out as UI Automation "
                                                   "notifications on this system"
                                                 : "missing: notices go out as WinEvents");
  win32::AllowUiaNotifications(false);
  TForm form(nullptr, bsSingle);
  form.SetClientSize(100, 100);
  TEventListener listener;
  form.Announce("spoken once the window is up");
  form.Show();
  const auto heard = [&](const std::string& text) {
    for (const auto& event : listener.seen) {
      if (event.name == text) return true;
    }
    return false;
  };
  ASSERT_TRUE(PumpUntil([&] { return heard("spoken once the window is up"); }, 5000));
  form.Announce("10 seconds left");
  ASSERT_TRUE(PumpUntil([&] { return heard("10 seconds left"); }, 3000));
  win32::AllowUiaNotifications(true);
  bool nameChange = false;
  bool alert = false;
  for (const auto& event : listener.seen) {
    if (event.name != "10 seconds left") continue;
    nameChange = nameChange || event.event == EVENT_OBJECT_NAMECHANGE;
    alert = alert || event.event == EVENT_SYSTEM_ALERT;
    EXPECT_TRUE(IsChild(H(form), event.hwnd));
  }
  EXPECT_TRUE(nameChange);
  EXPECT_TRUE(alert);
}

TEST(Reader, ANewNameIsAnnouncedAnUnchangedOneIsNot) {
  TComInit com;
  TReadWindow form;
  form.window.Show();
  TEventListener listener;
  form.edit->SetAccessibleName("Time limit in seconds");
  form.edit->SetAccessibleName("Time limit in seconds");
  form.right->SetAccessibleTitle("Right");
  form.right->AnnounceName();
  Pump(200);
  int edit = 0;
  int right = 0;
  for (const auto& event : listener.seen) {
    if (event.event != EVENT_OBJECT_NAMECHANGE) continue;
    if (event.hwnd == H(*form.edit)) ++edit;
    if (event.hwnd == H(*form.right)) ++right;
  }
  EXPECT_EQ(edit, 1);
  EXPECT_EQ(right, 1);
}

// ----- services ------------------------------------------------------------------------------

TEST(Services, TheFileTestFindsFilesNotFolders) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string file = PathIn(std::string(folder) + "gapwise-test", "gapwise.chm");
  CreateDirectoryA((std::string(folder) + "gapwise-test").c_str(), nullptr);
  if (FILE* out = std::fopen(file.c_str(), "wb")) std::fclose(out);
  EXPECT_EQ(file.substr(file.size() - 12), "\\gapwise.chm");
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(std::string(folder) + "gapwise-test"));
  EXPECT_FALSE(FileExists(std::string(folder) + "gapwise-test\\missing.chm"));
  DeleteFileA(file.c_str());
  EXPECT_FALSE(FileExists(file));
  RemoveDirectoryA((std::string(folder) + "gapwise-test").c_str());
}

TEST(Services, TheSeedIsTheCountersLowBits) {
  LARGE_INTEGER before;
  QueryPerformanceCounter(&before);
  const std::uint32_t seed = SystemSeed();
  LARGE_INTEGER after;
  QueryPerformanceCounter(&after);
  EXPECT_LE(seed - before.LowPart, after.LowPart - before.LowPart);
}

}  // namespace
}  // namespace gapwise

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  gapwise::TApplication application(argc, argv, "Gapwise");
  return RUN_ALL_TESTS();
}
