// A form's keyboard: the focus, Tab and the arrow keys among its controls, Enter for its push
// buttons, key preview, and the event loop that hands them each key first.
#include "ui/toolkit/win32/form.h"

#include <algorithm>

#include "ui/toolkit/form.h"

namespace gapwise::win32 {
namespace {

bool IsArrow(UINT key) {
  return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

// Each stop after (or before) `at`, wrapping, once; at -1 starts before the first.
template <class TVisit>
void Around(std::size_t count, int at, bool forward, TVisit visit) {
  const int n = static_cast<int>(count);
  if (at < 0) at = forward ? -1 : n;
  for (int step = 1; step <= n; ++step) {
    const int i = ((at + (forward ? step : -step)) % n + n) % n;
    if (visit(static_cast<std::size_t>(i))) return;
  }
}

}  // namespace

void TFormWindow::Focus() {
  RestoreFocus();
}

bool TFormWindow::HasFocus() const {
  const HWND focus = GetFocus();
  return focus != nullptr && (focus == Handle() || IsChild(Handle(), focus));
}

// Back to the control that had the focus (a choice list: to its selected button), else to the
// first tab stop, else to the form itself.
void TFormWindow::RestoreFocus() {
  if (TWindow* entry = lastFocus_ != nullptr ? lastFocus_->TabEntry() : nullptr) {
    entry->Focus();
  } else if (!FocusFirst()) {
    ::SetFocus(Handle());
  }
}

bool TFormWindow::FocusFirst() {
  const std::vector<TWindow*> stops = TabStops();
  if (stops.empty()) return false;
  stops.front()->Focus();
  return true;
}

// The tab order given, then the other controls that can take the focus, in the order they were
// made.
std::vector<TWindow*> TFormWindow::TabList() const {
  std::vector<TWindow*> list = tabOrder_;
  for (TWindow* window : windows_) {
    switch (window->Kind()) {
      case TKind::Button:
      case TKind::CheckBox:
      case TKind::Edit:
      case TKind::RadioGroup:
        if (std::find(list.begin(), list.end(), window) == list.end()) list.push_back(window);
        break;
      default:
        break;
    }
  }
  return list;
}

std::vector<TWindow*> TFormWindow::TabStops() const {
  std::vector<TWindow*> stops;
  for (TWindow* window : TabList()) {
    if (TWindow* entry = window->TabEntry()) stops.push_back(entry);
  }
  return stops;
}

void TFormWindow::MoveTab(TWindow& target, bool forward) {
  const std::vector<TWindow*> stops = TabStops();
  if (stops.empty()) return;
  int at = -1;
  for (std::size_t i = 0; i < stops.size(); ++i) {
    const bool sameGroup =
        target.Kind() == TKind::RadioButton && stops[i]->ParentWindow() == target.ParentWindow();
    if (stops[i] == &target || sameGroup) at = static_cast<int>(i);
  }
  Around(stops.size(), at, forward, [&](std::size_t i) {
    stops[i]->Focus();
    // An edit box reached by Tab has its text selected, so that typing replaces it.
    if (stops[i]->Kind() == TKind::Edit) SendMessageW(stops[i]->Handle(), EM_SETSEL, 0, -1);
    return true;
  });
}

// What an arrow key moves among from the target: the other shown buttons of its choice list, or
// the controls of its parent in tab order.
std::vector<TWindow*> TFormWindow::Neighbours(const TWindow& target) const {
  std::vector<TWindow*> same;
  if (target.Kind() == TKind::RadioButton) {
    for (TWindow* window : windows_) {
      if (window->ParentWindow() == target.ParentWindow() && window->Kind() == TKind::RadioButton &&
          window->CanFocus()) {
        same.push_back(window);
      }
    }
  } else {
    for (TWindow* window : TabList()) {
      if (window->ParentWindow() == target.ParentWindow()) same.push_back(window);
    }
  }
  return same;
}

// The next (or previous) control of the same parent in tab order, wrapping: a radio button moves
// among the buttons of its list, and one reached is selected.
void TFormWindow::MoveArrow(TWindow& target, bool forward) {
  const std::vector<TWindow*> same = Neighbours(target);
  const auto found = std::find(same.begin(), same.end(), &target);
  const int at = found == same.end() ? -1 : static_cast<int>(found - same.begin());
  Around(same.size(), at, forward, [&](std::size_t i) {
    TWindow* entry = same[i] == &target ? nullptr : same[i]->ArrowEntry(forward);
    if (entry == nullptr) return false;
    entry->Focus();
    if (entry->Kind() == TKind::RadioButton) entry->Press();
    return true;
  });
}

bool TFormWindow::PreTranslate(MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_CHAR) return false;
  TWindow* target = TWindow::Owning(message.hwnd);
  TFormWindow* form = target != nullptr ? target->Form() : nullptr;
  if (form == nullptr) return false;
  bool used = false;
  Guarded([&] { used = form->Key(*target, message); });
  return used;
}

bool TFormWindow::HandleOneMessage(int* exitCode) {
  MSG message;
  const BOOL got = GetMessageW(&message, nullptr, 0, 0);
  if (got == 0) {
    if (exitCode != nullptr) {
      *exitCode = static_cast<int>(message.wParam);
    } else {
      PostQuitMessage(static_cast<int>(message.wParam));
    }
    return false;
  }
  if (got == -1) return false;
  Deliver(message);
  return true;
}

void TFormWindow::Deliver(MSG& message) {
  if (PreTranslate(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

// Dialog keys first: Tab and Shift+Tab along the tab order; Enter presses the focused push
// button or the default one; an arrow key, while a control (other than an edit box) has the
// focus, moves it to the neighbouring control. Then, with key preview, the form's KeyDown and
// KeyPress see every other key and every typed character before the focused control does.
bool TFormWindow::Key(TWindow& target, const MSG& message) {
  if (message.message == WM_CHAR) {
    if (keyPreview_ && message.wParam <= 0xFF) {
      form_object_.KeyPress(static_cast<char>(message.wParam));
    }
    return false;
  }
  const auto key = static_cast<UINT>(message.wParam);
  const bool alt = GetKeyState(VK_MENU) < 0;
  const bool control = GetKeyState(VK_CONTROL) < 0;
  if (key == VK_TAB && !alt && !control) {
    MoveTab(target, GetKeyState(VK_SHIFT) >= 0);
    return true;
  }
  if (key == VK_RETURN && !alt) {
    if (PressForEnter(target)) return true;
    return target.Kind() != TKind::Edit;  // the edit box's key handler sees it as a character
  }
  if (IsArrow(key) && &target != this && target.Kind() != TKind::Edit) {
    MoveArrow(target, key == VK_RIGHT || key == VK_DOWN);
    return true;
  }
  if (keyPreview_) form_object_.KeyDown(KeyOfPcCode(static_cast<int>(key)));
  return false;
}

bool TFormWindow::PressForEnter(TWindow& target) {
  if (target.Kind() == TKind::Button && target.Press()) return true;
  return default_ != nullptr && default_->Press();
}

}  // namespace gapwise::win32
