// The native side of every driver: window classes, the window procedure, places and fonts at the
// form's scale, fonts and brushes, and text in UTF-16.
#include <algorithm>
#include <map>
#include <tuple>
#include <unordered_map>

#include "ui/toolkit/services.h"
#include "ui/toolkit/win32/accessibility.h"
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

std::map<COLORREF, HBRUSH>& Brushes() {
  static std::map<COLORREF, HBRUSH> brushes;
  return brushes;
}

using TFontKey = std::tuple<std::string, int, unsigned>;
std::map<TFontKey, HFONT>& Fonts() {
  static std::map<TFontKey, HFONT> fonts;
  return fonts;
}

}  // namespace

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

COLORREF ColorOf(TColor color) {
  switch (color.Kind) {
    case TColor::kNone:
      return CLR_INVALID;
    case TColor::kRgb:
      return RGB(color.R, color.G, color.B);
    case TColor::kWindowText:
      return GetSysColor(COLOR_WINDOWTEXT);
    case TColor::kButtonFace:
      return GetSysColor(COLOR_BTNFACE);
  }
  return CLR_INVALID;
}

HBRUSH BrushOf(COLORREF color) {
  HBRUSH& brush = Brushes()[color];
  if (brush == nullptr) brush = CreateSolidBrush(color);
  return brush;
}

HFONT FontOf(const TFont& font, int pixels) {
  HFONT& handle = Fonts()[TFontKey{font.Name, pixels, font.Style}];
  if (handle == nullptr) {
    handle = CreateFontW(-pixels, 0, 0, 0, (font.Style & fsBold) ? FW_BOLD : FW_NORMAL,
                         (font.Style & fsItalic) ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_ROMAN, Wide(font.Name).c_str());
  }
  return handle;
}

void FreeGdiCache() {
  for (auto& [color, brush] : Brushes()) DeleteObject(brush);
  Brushes().clear();
  for (auto& [key, font] : Fonts()) DeleteObject(font);
  Fonts().clear();
}

HINSTANCE Instance() {
  static const HINSTANCE instance = GetModuleHandleW(nullptr);
  return instance;
}

void RegisterClasses() {
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = WindowProc;
  form.hInstance = Instance();
  form.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  form.hIcon = LoadIconW(Instance(), MAKEINTRESOURCEW(1));  // the program's icon, if it has one
  if (form.hIcon == nullptr)
    form.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  form.lpszClassName = kFormClass;
  RegisterClassExW(&form);

  WNDCLASSEXW control{};
  control.cbSize = sizeof control;
  control.style = CS_HREDRAW | CS_VREDRAW;
  control.lpfnWndProc = WindowProc;
  control.hInstance = Instance();
  control.hCursor = form.hCursor;
  control.lpszClassName = kControlClass;
  RegisterClassExW(&control);
}

void UnregisterClasses() {
  UnregisterClassW(kFormClass, Instance());
  UnregisterClassW(kControlClass, Instance());
}

void ShowEscapedError() {
  try {
    ShowError(ErrorText(std::current_exception()));
  } catch (...) {
    MessageBeep(MB_ICONERROR);  // not even the error box could be shown
  }
}

TWindow* WindowOf(const IControlDriver& driver) {
  return dynamic_cast<TWindow*>(const_cast<IControlDriver*>(&driver));
}

// ---------------------------------------------------------------------------------------------

TWindow::TWindow(TKind kind, TWindow* parent)
    : form_(parent != nullptr ? parent->form_ : nullptr), kind_(kind), parent_(parent) {
  if (parent != nullptr) font_ = parent->font_;
  if (form_ != nullptr) form_->Register(this);
}

TWindow::~TWindow() {
  if (form_ != nullptr && static_cast<TWindow*>(form_) != this) form_->Unregister(this);
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
  return hwnd_ != nullptr && IsWindowVisible(hwnd_);
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

void TWindow::PaintBackground(HDC dc, const RECT& area) {
  if (color_ != clNone || parent_ == nullptr) {
    FillRect(dc, &area, BrushOf(EffectiveBackground()));
    return;
  }
  // The parent paints with its own origin: move this window's corner to where it stands there.
  POINT corner{0, 0};
  MapWindowPoints(hwnd_, parent_->Handle(), &corner, 1);
  POINT before;
  OffsetWindowOrgEx(dc, corner.x, corner.y, &before);
  RECT there = area;
  OffsetRect(&there, corner.x, corner.y);
  parent_->PaintBackground(dc, there);
  SetWindowOrgEx(dc, before.x, before.y, nullptr);
}

HBRUSH TWindow::ControlColors(HDC dc) {
  const COLORREF background = EffectiveBackground();
  SetTextColor(dc, ColorOf(font_.Color));
  SetBkColor(dc, background);
  return BrushOf(background);
}

std::wstring TWindow::ReadName() const {
  return accessibleName_.empty() ? WindowText() : accessibleName_;
}

bool TWindow::HiddenFromReader() const {
  for (const TWindow* w = parent_; w != nullptr; w = w->parent_) {
    if (w->HidesChildren()) return true;
  }
  return false;
}

bool TWindow::ReadsItself() const {
  if (OwnClass()) return kind_ != TKind::Form;
  return !accessibleName_.empty() || !accessibleDescription_.empty() || HiddenFromReader();
}

void TWindow::NotifyReader(DWORD event) const {
  if (hwnd_ != nullptr) NotifyWinEvent(event, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

// The first placement also puts the window above the siblings made before it, so that a later
// control covers an earlier one.
void TWindow::PlaceWindow() {
  if (hwnd_ == nullptr) return;
  const UINT order = placed_ ? SWP_NOZORDER : 0;
  placed_ = true;
  SetWindowPos(hwnd_, HWND_TOP, Scale(bounds_.Left), Scale(bounds_.Top), Scale(bounds_.Width),
               Scale(bounds_.Height), order | SWP_NOACTIVATE);
}

void TWindow::ApplyBounds(const TRect& bounds) {
  bounds_ = bounds;
  PlaceWindow();
}

void TWindow::ApplyFont(const TFont& font) {
  font_ = font;
  if (hwnd_ == nullptr) return;
  if (!OwnClass()) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
  }
  Invalidate();
}

void TWindow::ApplyColor(TColor color) {
  color_ = color;
  if (hwnd_ != nullptr) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TWindow::ApplyVisible(bool visible) {
  if (hwnd_ == nullptr) return;
  if (!visible && form_ != nullptr && IsWindowVisible(hwnd_)) form_->Leaving(this);
  ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void TWindow::ApplyText(const std::string& text) {
  if (hwnd_ == nullptr) return;
  SetWindowTextW(hwnd_, Wide(text).c_str());
  if (OwnClass()) Invalidate();
}

void TWindow::ApplyAccessibleName(const std::string& name) {
  const std::wstring wide = Wide(name);
  if (wide == accessibleName_) return;
  accessibleName_ = wide;
  NotifyReader(EVENT_OBJECT_NAMECHANGE);
}

void TWindow::ApplyAccessibleDescription(const std::string& description) {
  const std::wstring wide = Wide(description);
  if (wide == accessibleDescription_) return;
  accessibleDescription_ = wide;
  NotifyReader(EVENT_OBJECT_DESCRIPTIONCHANGE);
}

std::wstring TWindow::WindowText() const {
  if (hwnd_ == nullptr) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void TWindow::Invalidate() {
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

void TWindow::Paint(HDC dc, const RECT& client) {
  PaintBackground(dc, client);
}

LRESULT TWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (systemProc_ != nullptr) return CallWindowProcW(systemProc_, hwnd_, message, wParam, lParam);
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT TWindow::Message(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      if (OwnClass()) return 1;  // WM_PAINT paints everything
      break;
    case WM_PAINT:
      if (OwnClass()) {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(hwnd_, &ps);
        RECT client;
        GetClientRect(hwnd_, &client);
        if (client.right > 0 && client.bottom > 0) {
          const HDC buffer = CreateCompatibleDC(dc);
          const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
          const HGDIOBJ before = SelectObject(buffer, bitmap);
          Paint(buffer, client);
          BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
          SelectObject(buffer, before);
          DeleteObject(bitmap);
          DeleteDC(buffer);
        }
        EndPaint(hwnd_, &ps);
        return 0;
      }
      break;
    case WM_PRINTCLIENT:
      if (OwnClass()) {
        RECT client;
        GetClientRect(hwnd_, &client);
        Paint(reinterpret_cast<HDC>(wParam), client);
        return 0;
      }
      break;
    case WM_COMMAND:
      if (TWindow* child = From(reinterpret_cast<HWND>(lParam))) {
        child->Command(HIWORD(wParam));
        return 0;
      }
      break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      if (TWindow* child = From(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = child->ControlColors(reinterpret_cast<HDC>(wParam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      break;
    case WM_GETOBJECT:
      if (static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT && ReadsItself()) {
        if (const LRESULT result = AccessibleObject(*this, wParam, lParam)) return result;
      }
      break;
    case WM_SETFOCUS:
      if (!OwnClass() && form_ != nullptr) form_->NoteFocus(this);
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TWindow* window = TWindow::From(hwnd);
  if (window == nullptr && message == WM_NCCREATE) {
    window = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (window != nullptr) window->Attach(hwnd);
  }
  if (window == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = window->Message(message, wParam, lParam);
  } catch (...) {
    ShowEscapedError();
  }
  if (message == WM_NCDESTROY) window->Detach();  // destroyed with its parent
  return result;
}

}  // namespace gapwise::win32
