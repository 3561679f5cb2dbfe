// The native side of every driver: its window (the backend's own class, or a system control
// whose messages pass through it first), the object found from the window, and its place, font,
// colour, visibility and text at the form's scale.
#include <algorithm>
#include <unordered_map>

#include "ui/toolkit/win32/form.h"
#include "ui/toolkit/win32/native.h"

namespace gapwise::win32 {
namespace {

// The object behind each window of the backend, kept in the process: looking a window up costs
// no call to the system (under Wine, a window property is a round trip to its server).
std::unordered_map<HWND, TWindow*>& Objects() {
  static std::unordered_map<HWND, TWindow*> objects;
  return objects;
}

}  // namespace

TWindow::TWindow(TKind kind, TWindow* parent)
    : form_(parent != nullptr ? parent->form_ : nullptr), kind_(kind), parent_(parent) {
  if (parent != nullptr) font_ = parent->font_;
  if (form_ != nullptr) form_->Register(this);
}

TWindow::~TWindow() {
  if (form_ != nullptr && static_cast<TWindow*>(form_) != this) form_->Unregister(this);
  if (drawn_) {
    Invalidate();
    std::vector<TWindow*>& siblings = parent_->drawnChildren_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  if (hwnd_ != nullptr) {
    const HWND hwnd = hwnd_;
    Detach();
    DestroyWindow(hwnd);
  }
}

TWindow* TWindow::From(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  const auto found = Objects().find(hwnd);
  return found != Objects().end() ? found->second : nullptr;
}

TWindow* TWindow::Owning(HWND hwnd) {
  for (; hwnd != nullptr; hwnd = GetParent(hwnd)) {
    if (TWindow* window = From(hwnd)) return window;
  }
  return nullptr;
}

void TWindow::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  Objects()[hwnd] = this;
}

// The window goes on without this object: a system control gets its own procedure back.
void TWindow::Detach() {
  if (hwnd_ == nullptr) return;
  Objects().erase(hwnd_);
  if (systemProc_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
  }
  hwnd_ = nullptr;
}

void TWindow::CreateOwn(const wchar_t* className, DWORD style, DWORD exStyle, HWND parentOrOwner) {
  CreateWindowExW(exStyle, className, L"", style, 0, 0, 0, 0, parentOrOwner, nullptr, Instance(),
                  this);  // WM_NCCREATE attaches it
}

void TWindow::CreateControl(const TWindow& parent, DWORD style) {
  const bool graphic = kind_ == TKind::Label || kind_ == TKind::ColumnLabel;
  if (graphic || parent.drawn_ || parent.HidesChildren()) {
    drawn_ = true;
    parent_->drawnChildren_.push_back(this);
  } else {
    CreateOwn(kControlClass, style, 0, parent.Handle());
  }
}

void TWindow::CreateSystem(const wchar_t* className, DWORD style, DWORD exStyle) {
  const HWND hwnd = CreateWindowExW(exStyle, className, L"", style | WS_CHILD | WS_CLIPSIBLINGS, 0,
                                    0, 0, 0, parent_->Handle(), nullptr, Instance(), nullptr);
  if (hwnd == nullptr) return;
  Attach(hwnd);
  systemProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
}

int TWindow::Scale(int pixels) const {
  const int dpi = form_ != nullptr ? form_->Dpi() : 96;
  return MulDiv(pixels, dpi, 96);
}

int TWindow::Unscale(int pixels) const {
  const int dpi = form_ != nullptr ? form_->Dpi() : 96;
  return (pixels * 96 + dpi - 1) / dpi;
}

HFONT TWindow::FontHandle() const {
  return FontOf(font_, Scale(font_.Height));
}

COLORREF TWindow::EffectiveBackground() const {
  for (const TWindow* w = this; w != nullptr; w = w->parent_) {
    if (w->color_ != clNone) return ColorOf(w->color_);
  }
  return GetSysColor(COLOR_BTNFACE);
}

bool TWindow::Shown() const {
  if (drawn_) return visible_ && parent_->Shown();
  return hwnd_ != nullptr && IsWindowVisible(hwnd_);
}

RECT TWindow::ClientRect() const {
  RECT client{0, 0, 0, 0};
  if (drawn_) {
    client.right = Scale(bounds_.Width);
    client.bottom = Scale(bounds_.Height);
  } else if (hwnd_ != nullptr) {
    GetClientRect(hwnd_, &client);
  }
  return client;
}

POINT TWindow::CornerInParent() const {
  POINT corner{0, 0};
  if (drawn_) return POINT{Scale(bounds_.Left), Scale(bounds_.Top)};
  if (parent_ != nullptr) MapWindowPoints(hwnd_, parent_->Handle(), &corner, 1);
  return corner;
}

const TWindow* TWindow::Host() const {
  const TWindow* host = parent_;
  while (host->drawn_) host = host->parent_;
  return host;
}

RECT TWindow::PlaceInHost() const {
  RECT place = ClientRect();
  for (const TWindow* w = this; w->drawn_; w = w->parent_) {
    const POINT corner = w->CornerInParent();
    OffsetRect(&place, corner.x, corner.y);
  }
  return place;
}

bool TWindow::CanFocus() const {
  switch (kind_) {
    case TKind::Button:
    case TKind::CheckBox:
    case TKind::Edit:
    case TKind::RadioButton:
      return Shown() && IsWindowEnabled(hwnd_);
    default:
      return false;
  }
}

void TWindow::Focus() {
  if (hwnd_ != nullptr) SetFocus(hwnd_);
}

bool TWindow::HasFocus() const {
  return hwnd_ != nullptr && GetFocus() == hwnd_;
}

void TWindow::Rescale() {
  PlaceWindow();
  if (!OwnClass()) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
  }
  Invalidate();
}

// The first placement also puts the window above the siblings made before it, so that a later
// control covers an earlier one.
void TWindow::PlaceWindow() {
  if (drawn_) return Invalidate();
  if (hwnd_ == nullptr) return;
  const UINT order = placed_ ? SWP_NOZORDER : 0;
  placed_ = true;
  SetWindowPos(hwnd_, HWND_TOP, Scale(bounds_.Left), Scale(bounds_.Top), Scale(bounds_.Width),
               Scale(bounds_.Height), order | SWP_NOACTIVATE);
}

void TWindow::ApplyBounds(const TRect& bounds) {
  if (drawn_) Invalidate();  // where it stood
  bounds_ = bounds;
  PlaceWindow();
  if (drawn_ && !hint_.empty()) SetWindowHint(*this, hint_);
}

void TWindow::ApplyHint(const std::string& hint) {
  if (drawn_) hint_ = hint;
  SetWindowHint(*this, hint);
}

void TWindow::ApplyFont(const TFont& font) {
  font_ = font;
  if (drawn_) return Invalidate();
  if (hwnd_ == nullptr) return;
  if (!OwnClass()) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
  }
  Invalidate();
}

void TWindow::ApplyColor(TColor color) {
  color_ = color;
  if (drawn_) Invalidate();
  if (hwnd_ != nullptr) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TWindow::ApplyVisible(bool visible) {
  if (drawn_) {
    if (visible_ != visible) Invalidate();
    visible_ = visible;
    return;
  }
  if (hwnd_ == nullptr) return;
  if (!visible && form_ != nullptr && IsWindowVisible(hwnd_)) form_->Leaving(this);
  ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void TWindow::ApplyText(const std::string& text) {
  if (drawn_) {
    std::wstring wide = Wide(text);
    if (wide == text_) return;
    text_ = std::move(wide);
    return Invalidate();
  }
  if (hwnd_ == nullptr) return;
  SetWindowTextW(hwnd_, Wide(text).c_str());
  if (OwnClass()) Invalidate();
}

std::wstring TWindow::WindowText() const {
  if (drawn_) return text_;
  if (hwnd_ == nullptr) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void TWindow::Invalidate() {
  if (drawn_) {
    const RECT place = PlaceInHost();
    if (const HWND host = Host()->Handle()) InvalidateRect(host, &place, FALSE);
    return;
  }
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

}  // namespace gapwise::win32
