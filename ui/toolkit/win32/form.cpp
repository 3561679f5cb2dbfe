// A form's window: its frame and client area at the form's scale, its place, showing it (modal
// or not) and closing it, its hints and spoken notices, and the messages of its window.
#include "ui/toolkit/win32/form.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/toolkit/form.h"
#include "ui/toolkit/win32/accessibility.h"

namespace gapwise::win32 {
namespace {

// The timer on a form's window that tells the form it is on the screen.
constexpr UINT_PTR kSettleTimer = 1;

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
  SetTimer(Handle(), kSettleTimer, TForm::kSettleMs, nullptr);
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

void TFormWindow::Announce(const std::string& text) {
  Announcer().Announce(text);
}

TAnnouncer& TFormWindow::Announcer() {
  if (announcer_ == nullptr) announcer_ = std::make_unique<TAnnouncer>(*this);
  return *announcer_;
}

void TFormWindow::Unregister(TWindow* window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
  if (lastFocus_ == window) lastFocus_ = nullptr;
}

void TFormWindow::Leaving(TWindow* window) {
  if (!window->HasFocus()) return;
  form_object_.MoveTab(true);
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

// A window is a tool of its own; a drawn control is its box in the window that draws it.
void SetWindowHint(TWindow& window, const std::string& hint) {
  TFormWindow* form = window.Form();
  const HWND tip = form != nullptr ? form->Tooltip() : nullptr;
  if (tip == nullptr || (window.Handle() == nullptr && !window.Drawn())) return;
  TOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the common controls
  if (window.Drawn()) {
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = window.Host()->Handle();
    info.uId = reinterpret_cast<UINT_PTR>(&window);
    info.rect = window.PlaceInHost();
  } else {
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = form->Handle();
    info.uId = reinterpret_cast<UINT_PTR>(window.Handle());
  }
  SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  if (hint.empty()) return;
  std::wstring text = Wide(hint);
  info.lpszText = text.data();
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void TFormWindow::DpiChanged(WPARAM wParam, LPARAM lParam) {
  dpi_ = HIWORD(wParam);
  for (TWindow* window : windows_) window->Rescale();
  PlaceWindow();
  const auto* suggested = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

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
    case WM_DPICHANGED:
      DpiChanged(wParam, lParam);
      return 0;
    default:
      break;
  }
  return TWindow::Message(message, wParam, lParam);
}

}  // namespace gapwise::win32
