#include "ui/toolkit/win32/form.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/toolkit/form.h"
#include "ui/toolkit/win32/accessibility.h"

namespace gapwise::win32 {
namespace {

// The timer on a form's window that tells the form it is on the screen, and how long after it
// shows.
constexpr UINT_PTR kSettleTimer = 1;
constexpr UINT kSettleMs = 1000;

using TGetDpiForWindow = UINT(WINAPI*)(HWND);
using TAdjustWindowRectExForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

// Newer user32 functions, loaded at run time so that the program also starts without them.
template <class TFunction>
TFunction User32(const char* name) {
  return reinterpret_cast<TFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int DpiOf(HWND hwnd) {
  static const auto getDpiForWindow = User32<TGetDpiForWindow>("GetDpiForWindow");
  if (getDpiForWindow != nullptr) {
    if (const UINT dpi = getDpiForWindow(hwnd)) return static_cast<int>(dpi);
  }
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

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

TFormWindow* TFormWindow::main_ = nullptr;

TFormWindow::TFormWindow(TForm& form, TFormWindow* owner, TFormBorder border)
    : TDriver(TKind::Form, nullptr), form_object_(form), owner_(owner), border_(border) {
  form_ = this;
  CreateOwn(kFormClass, Style(), ExStyle(), owner != nullptr ? owner->Handle() : nullptr);
  dpi_ = DpiOf(Handle());
}

TFormWindow::~TFormWindow() {
  announcer_.reset();
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
  if (main_ == this) main_ = nullptr;
}

// A main window has a system menu, minimize and close, and no maximize; a dialog a title bar and
// close only. Neither can be resized.
DWORD TFormWindow::Style() const {
  if (border_ == bsDialog) return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
}

DWORD TFormWindow::ExStyle() const {
  return border_ == bsDialog ? WS_EX_DLGMODALFRAME : 0;
}

void TFormWindow::PlaceWindow() {
  if (Handle() == nullptr) return;
  RECT frame{0, 0, Scale(Bounds().Width), Scale(Bounds().Height)};
  static const auto adjustForDpi = User32<TAdjustWindowRectExForDpi>("AdjustWindowRectExForDpi");
  if (adjustForDpi != nullptr) {
    adjustForDpi(&frame, Style(), FALSE, ExStyle(), static_cast<UINT>(dpi_));
  } else {
    AdjustWindowRectEx(&frame, Style(), FALSE, ExStyle());
  }
  SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Some frames (a caption that wraps) come out otherwise than computed: make up the difference.
  RECT client;
  GetClientRect(Handle(), &client);
  const int dx = Scale(Bounds().Width) - client.right;
  const int dy = Scale(Bounds().Height) - client.bottom;
  if (dx != 0 || dy != 0) {
    RECT outer;
    GetWindowRect(Handle(), &outer);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left + dx,
                 outer.bottom - outer.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TFormWindow::Rescale() {
  PlaceWindow();
  Invalidate();
}

void TFormWindow::SetVisible(bool visible) {
  if (!visible) {
    if (IsWindowVisible(Handle())) ShowWindow(Handle(), SW_HIDE);
    return;
  }
  if (position_ == poOwnerFormCenter) CentreOverOwner();
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  Settle();
}

// A screen reader hears announcements once it has learnt of the window and said its title and
// focus: the form is told a moment after the window shows.
void TFormWindow::Settle() {
  SetTimer(Handle(), kSettleTimer, kSettleMs, nullptr);
}

void TFormWindow::MoveTo(int left, int top) {
  SetWindowPos(Handle(), nullptr, Scale(left), Scale(top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Over the owner's frame (the screen's work area without one), kept on its monitor.
void TFormWindow::CentreOverOwner() {
  RECT frame;
  GetWindowRect(Handle(), &frame);
  const HWND owner = owner_ != nullptr ? owner_->Handle() : nullptr;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : Handle(), MONITOR_DEFAULTTONEAREST),
                  &monitor);
  RECT over = monitor.rcWork;
  if (owner != nullptr) GetWindowRect(owner, &over);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  int left = over.left + (over.right - over.left - width) / 2;
  int top = over.top + (over.bottom - over.top - height) / 2;
  left = std::max<int>(monitor.rcWork.left, std::min<int>(left, monitor.rcWork.right - width));
  top = std::max<int>(monitor.rcWork.top, std::min<int>(top, monitor.rcWork.bottom - height));
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The owner takes no input while the form is open; its timers keep ticking in this loop.
void TFormWindow::ShowModal() {
  if (owner_ == nullptr && border_ == bsSingle) return SetVisible(true);
  const HWND owner = owner_ != nullptr ? owner_->Handle() : nullptr;
  if (position_ == poOwnerFormCenter) CentreOverOwner();
  const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  modal_ = true;
  closed_ = false;
  lastFocus_ = nullptr;
  ShowWindow(Handle(), SW_SHOW);
  Settle();
  while (!closed_ && HandleOneMessage(nullptr)) {
  }
  modal_ = false;
  // Enabled before the form hides, so that the owner becomes the active window again.
  if (disableOwner) EnableWindow(owner, TRUE);
  ShowWindow(Handle(), SW_HIDE);
  Hidden();
}

void TFormWindow::Close() {
  if (modal_) {
    closed_ = true;
    return;
  }
  if (!IsWindowVisible(Handle())) return;
  ShowWindow(Handle(), SW_HIDE);
  Hidden();
  if (main_ == this) PostQuitMessage(0);
}

void TFormWindow::Hidden() {
  KillTimer(Handle(), kSettleTimer);
  form_object_.Closed();
}

void TFormWindow::SetDefaultButton(IButtonDriver* button) {
  default_ = button != nullptr ? WindowOf(*button) : nullptr;
}

void TFormWindow::SetTabOrder(const std::vector<IControlDriver*>& order) {
  tabOrder_.clear();
  for (IControlDriver* driver : order) {
    if (TWindow* window = driver != nullptr ? WindowOf(*driver) : nullptr) {
      tabOrder_.push_back(window);
    }
  }
}

void TFormWindow::Announce(const std::string& text) {
  if (announcer_ == nullptr) announcer_ = std::make_unique<TAnnouncer>(*this);
  announcer_->Announce(text);
}

void TFormWindow::Unregister(TWindow* window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
  tabOrder_.erase(std::remove(tabOrder_.begin(), tabOrder_.end(), window), tabOrder_.end());
  if (lastFocus_ == window) lastFocus_ = nullptr;
  if (default_ == window) default_ = nullptr;
}

void TFormWindow::Leaving(TWindow* window) {
  if (!window->HasFocus()) return;
  MoveTab(*window, true);
  if (window->HasFocus()) ::SetFocus(Handle());
}

HWND TFormWindow::Tooltip() {
  if (tooltip_ == nullptr) {
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, Instance(), nullptr);
  }
  return tooltip_;
}

void SetWindowHint(TWindow& window, const std::string& hint) {
  TFormWindow* form = window.Form();
  const HWND tip = form != nullptr ? form->Tooltip() : nullptr;
  if (tip == nullptr || window.Handle() == nullptr) return;
  TOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the common controls
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = form->Handle();
  info.uId = reinterpret_cast<UINT_PTR>(window.Handle());
  SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  if (hint.empty()) return;
  std::wstring text = Wide(hint);
  info.lpszText = text.data();
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

// ----- the keyboard focus --------------------------------------------------------------------

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

// The next (or previous) control of the same parent in tab order, wrapping: a radio button moves
// among the buttons of its list, and one reached is selected.
void TFormWindow::MoveArrow(TWindow& target, bool forward) {
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

// ----- keys ----------------------------------------------------------------------------------

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
  if (!PreTranslate(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
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
  if (keyPreview_) form_object_.KeyDown(static_cast<std::uint16_t>(key));
  return false;
}

bool TFormWindow::PressForEnter(TWindow& target) {
  if (target.Kind() == TKind::Button && target.Press()) return true;
  return default_ != nullptr && default_->Press();
}

// ----- messages ------------------------------------------------------------------------------

LRESULT TFormWindow::Message(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:  // the title bar's close button, the system menu, Alt+F4
      Close();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) RestoreFocus();
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_TIMER:
      if (wParam != kSettleTimer) break;
      KillTimer(Handle(), kSettleTimer);
      form_object_.Shown();
      return 0;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      for (TWindow* window : windows_) window->Rescale();
      PlaceWindow();
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    default:
      break;
  }
  return TWindow::Message(message, wParam, lParam);
}

}  // namespace gapwise::win32
