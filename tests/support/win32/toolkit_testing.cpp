#include "tests/support/win32/toolkit_testing.h"

#include "ui/toolkit/win32/native.h"  // first: <windows.h>, as the backend includes it

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/toolkit/win32/accessibility.h"
#include "ui/toolkit/win32/form.h"

namespace gapwise::win32 {

void* NativeWindow(const TControl& control) {
  const TWindow* window = WindowOf(control.Driver());
  return window != nullptr ? window->Handle() : nullptr;
}

TNativePart NativePart(const TControl& control) {
  const TWindow* window = WindowOf(control.Driver());
  if (window == nullptr) return {};
  if (!window->Drawn()) return {window->Handle(), 0};
  const long id = window->PartId();
  return id != 0 ? TNativePart{window->Host()->Handle(), id} : TNativePart{};
}

std::string NativeText(const TControl& control) {
  const TWindow* window = WindowOf(control.Driver());
  return window != nullptr ? Utf8(window->WindowText()) : std::string();
}

bool NativeShown(const TControl& control) {
  const TWindow* window = WindowOf(control.Driver());
  return window != nullptr && window->Shown();
}

// The group's radio buttons are its child buttons whose own flag shows them (the buttons kept
// past the items hide), standing in one column from the first item down.
void* NativeItem(const TRadioGroup& group, int index) {
  std::vector<std::pair<LONG, HWND>> items;
  for (HWND child = GetWindow(static_cast<HWND>(NativeWindow(group)), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    const LONG type = style & BS_TYPEMASK;
    if ((style & WS_VISIBLE) == 0 || (type != BS_AUTORADIOBUTTON && type != BS_RADIOBUTTON)) {
      continue;
    }
    RECT bounds;
    GetWindowRect(child, &bounds);
    items.emplace_back(bounds.top, child);
  }
  std::ranges::sort(items);
  if (index < 0 || index >= group.Count() || index >= static_cast<int>(items.size())) {
    return nullptr;
  }
  return items[static_cast<std::size_t>(index)].second;
}

void AnnounceByWinEvents(const TForm& form, const std::string& text) {
  static_cast<TFormWindow*>(WindowOf(form.Driver()))->Announcer().AnnounceByWinEvents(text);
}

void ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TFormWindow::Deliver(message);
  }
}

}  // namespace gapwise::win32
