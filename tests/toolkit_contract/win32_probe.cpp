// The contract's probe on the Win32 backend: clicks and keys as messages to the native windows
// behind the controls, and message boxes read through the window tests' box watcher.
#include "window_support.h"  // first: <windows.h>, as the backend includes it

#include "probe.h"
#include "tests/support/win32/toolkit_testing.h"
#include "ui/toolkit/timer.h"

namespace gapwise::contract {
namespace {

using win32_test::H;
using win32_test::Item;

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

// The announcer: the form's child window without a size that holds the last text.
HWND AnnouncerOf(HWND form) {
  for (HWND child = GetWindow(form, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT bounds;
    GetClientRect(child, &bounds);
    if (IsRectEmpty(&bounds) && !win32_test::TextOf(child).empty()) return child;
  }
  return nullptr;
}

class TWin32Probe : public IToolkitProbe {
 public:
  void Activate(TForm& form) override {
    form.Show();
    SetForegroundWindow(H(form));
    win32::ProcessMessages();
  }
  void Click(const TButton& button) override { SendMessageW(H(button), BM_CLICK, 0, 0); }
  void ClickItem(const TRadioGroup& group, int index) override {
    SendMessageW(Item(group, index), BM_CLICK, 0, 0);
  }
  void PressKey(TPress key) override {
    static constexpr UINT kKeys[] = {VK_TAB,  VK_TAB,  VK_RETURN, VK_ESCAPE, VK_UP,
                                     VK_DOWN, VK_LEFT, VK_RIGHT,  '7'};
    if (key != TPress::ShiftTab) return win32_test::PressKey(kKeys[static_cast<int>(key)]);
    TShiftDown shift;
    win32_test::PressKey(VK_TAB);
  }

  // A drawn control (a label) has no window: what it shows is what its window paints for it.
  std::string Caption(const TControl& control) override {
    return H(control) != nullptr ? win32_test::TextOf(H(control)) : win32::NativeText(control);
  }
  bool Shown(const TControl& control) override {
    return H(control) != nullptr ? IsWindowVisible(H(control)) != FALSE
                                 : win32::NativeShown(control);
  }
  bool HasFocus(const TControl& control) override { return GetFocus() == H(control); }
  bool ItemHasFocus(const TRadioGroup& group, int index) override {
    return GetFocus() == Item(group, index);
  }
  bool ItemChecked(const TRadioGroup& group, int index) override {
    return SendMessageW(Item(group, index), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  std::string Announced(const TForm& form) override {
    const HWND announcer = AnnouncerOf(H(form));
    return announcer == nullptr ? "" : win32_test::TextOf(announcer);
  }

  bool PumpUntil(const std::function<bool()>& done) override { return win32_test::PumpUntil(done); }
  // A timer of the box's own loop closes it once it has been read and closeWhen() holds.
  std::vector<TBox> Boxes(const std::function<void()>& action,
                          const std::function<bool()>& closeWhen) override {
    win32_test::TBoxWatcher watcher;
    watcher.closeByHand = true;
    HWND closed = nullptr;
    TTimer poll(10);
    poll.OnTimer = [&] {
      if (watcher.open == nullptr || watcher.open == closed || watcher.seen.empty()) return;
      if (!closeWhen()) return;
      closed = watcher.open;
      watcher.CloseWith(VK_RETURN);
    };
    action();
    std::vector<TBox> seen;
    for (const win32_test::TSeenBox& box : watcher.seen) {
      seen.push_back({box.title, box.text, box.icon});
    }
    return seen;
  }
};

}  // namespace

IToolkitProbe& Probe() {
  static TWin32Probe probe;
  return probe;
}

}  // namespace gapwise::contract
