// The Win32 window tests' shared helpers.
#include "window_support.h"

#include <cstdlib>

#include "tests/support/win32/toolkit_testing.h"

namespace gapwise::win32_test {

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

bool PumpUntil(const std::function<bool()>& done, int ms) {
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

void PressKey(UINT key) {
  const HWND target = GetFocus();
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(target, WM_KEYDOWN, key, 1 | scan);
  PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(1 | scan | 0xC0000000u));
  win32::ProcessMessages();
}

TBoxWatcher::TBoxWatcher(UINT key) : key_(key) {
  current_ = this;
  hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
  guard_ = SetTimer(nullptr, 0, 5000, Guard);
}

TBoxWatcher::~TBoxWatcher() {
  UnhookWindowsHookEx(hook_);
  KillTimer(nullptr, guard_);
  if (inspect_ != 0) KillTimer(nullptr, inspect_);
  current_ = nullptr;
}

void TBoxWatcher::CloseWith(UINT key) const {
  const HWND focus = GetFocus();
  const HWND target = focus != nullptr && (focus == open || IsChild(open, focus)) ? focus : open;
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

LRESULT CALLBACK TBoxWatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
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

void CALLBACK TBoxWatcher::Inspect(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (current_ == nullptr || id != current_->inspect_) return;
  current_->inspect_ = 0;
  if (current_->open != nullptr) current_->Seen(current_->open);
}

void CALLBACK TBoxWatcher::Guard(HWND, UINT, UINT_PTR, DWORD) {
  if (current_ != nullptr && current_->open != nullptr) {
    PostMessageW(current_->open, WM_COMMAND, IDOK, 0);
  }
}

BOOL CALLBACK TBoxWatcher::Child(HWND child, LPARAM data) {
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

void TBoxWatcher::Seen(HWND box) {
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

}  // namespace gapwise::win32_test
