// What the Win32 backend's window tests share: the native windows behind the controls, their
// texts and classes, handling events for a while, keys as the keyboard sends them, and a watcher
// that reads and closes the message boxes that the program opens.
#pragma once

#include "ui/toolkit/win32/native.h"  // first: <windows.h>, as the backend includes it

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "ui/toolkit/control.h"
#include "ui/toolkit/radio_group.h"

namespace gapwise::win32_test {

using Clock = std::chrono::steady_clock;

// The window that shows a control, and the radio button of an item of a choice list.
HWND H(const TControl& control);
HWND Item(const TRadioGroup& group, int index);

std::string TextOf(HWND hwnd);
std::string ClassOf(HWND hwnd);

// Handles events until done() or the time is up; true when done.
bool PumpUntil(const std::function<bool()>& done, int ms = 5000);
void Pump(int ms);

// A key press as the keyboard would send it to the focused window: down and up, with the scan
// code that TranslateMessage needs to type its character.
void PressKey(UINT key);

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
  explicit TBoxWatcher(UINT key = VK_RETURN);
  ~TBoxWatcher();
  TBoxWatcher(const TBoxWatcher&) = delete;
  TBoxWatcher& operator=(const TBoxWatcher&) = delete;

  std::vector<TSeenBox> seen;
  HWND open = nullptr;       // the box open now
  bool closeByHand = false;  // leave the box open for the test to close

  // The key, pressed on the box's focused button as the keyboard would.
  void CloseWith(UINT key) const;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK Inspect(HWND, UINT, UINT_PTR id, DWORD);
  static void CALLBACK Guard(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK Child(HWND child, LPARAM data);
  void Seen(HWND box);

  static inline TBoxWatcher* current_ = nullptr;
  UINT key_;
  HHOOK hook_;
  UINT_PTR guard_;
  UINT_PTR inspect_ = 0;
};

}  // namespace gapwise::win32_test
