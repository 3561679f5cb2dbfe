// What a window of the backend paints and tells a screen reader, and the window procedure through
// which every message reaches the object behind the window.
#include <algorithm>

#include "ui/toolkit/win32/accessibility.h"
#include "ui/toolkit/win32/form.h"
#include "ui/toolkit/win32/native.h"

namespace gapwise::win32 {
namespace {

// A system control's notification (WM_COMMAND) or its question for colours (WM_CTLCOLOR...),
// passed to the control's object: true when that answered, with the result.
bool ChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const bool command = message == WM_COMMAND;
  const bool colors =
      message == WM_CTLCOLORBTN || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLOREDIT;
  TWindow* child = command || colors ? TWindow::From(reinterpret_cast<HWND>(lParam)) : nullptr;
  if (child == nullptr) return false;
  if (command) {
    child->Command(HIWORD(wParam));
    result = 0;
    return true;
  }
  const HBRUSH brush = child->ControlColors(reinterpret_cast<HDC>(wParam));
  result = reinterpret_cast<LRESULT>(brush);
  return brush != nullptr;
}

}  // namespace

void TWindow::PaintBackground(HDC dc, const RECT& area) {
  if (color_ != clNone || parent_ == nullptr) {
    FillRect(dc, &area, BrushOf(EffectiveBackground()));
    return;
  }
  // The parent paints with its own origin: move this window's corner to where it stands there.
  const POINT corner = CornerInParent();
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

std::vector<TWindow*> TWindow::ReaderParts() const {
  std::vector<TWindow*> parts;
  if (drawn_ || HidesChildren() || HiddenFromReader()) return parts;
  for (TWindow* child : drawnChildren_) parts.push_back(child);
  return parts;
}

TWindow* TWindow::Part(long id) const {
  const std::vector<TWindow*> parts = ReaderParts();
  const long index = id - kFirstPart;
  if (index < 0 || index >= static_cast<long>(parts.size())) return nullptr;
  return parts[static_cast<std::size_t>(index)];
}

long TWindow::PartId() const {
  if (!drawn_ || parent_ == nullptr) return 0;
  const std::vector<TWindow*> parts = parent_->ReaderParts();
  const auto found = std::find(parts.begin(), parts.end(), this);
  return found == parts.end() ? 0 : kFirstPart + static_cast<long>(found - parts.begin());
}

bool TWindow::ReadsItself() const {
  if (OwnClass()) return kind_ != TKind::Form || !drawnChildren_.empty();
  return !accessibleName_.empty() || !accessibleDescription_.empty() || HiddenFromReader();
}

void TWindow::NotifyReader(DWORD event) const {
  if (hwnd_ != nullptr) return NotifyWinEvent(event, hwnd_, OBJID_CLIENT, CHILDID_SELF);
  if (const long id = PartId()) NotifyWinEvent(event, parent_->Handle(), OBJID_CLIENT, id);
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

void TWindow::Paint(HDC dc, const RECT& client) {
  PaintBackground(dc, client);
}

LRESULT TWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (systemProc_ != nullptr) return CallWindowProcW(systemProc_, hwnd_, message, wParam, lParam);
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// Itself, then each shown control that it draws, later ones over earlier ones, each with its
// origin at its own corner and clipped to its box.
void TWindow::PaintWhole(HDC dc, const RECT& client) {
  Paint(dc, client);
  for (TWindow* child : drawnChildren_) {
    if (!child->visible_) continue;
    const POINT corner = child->CornerInParent();
    const RECT box = child->ClientRect();
    const int saved = SaveDC(dc);
    POINT origin;
    OffsetViewportOrgEx(dc, corner.x, corner.y, &origin);
    IntersectClipRect(dc, 0, 0, box.right, box.bottom);
    child->PaintWhole(dc, box);
    RestoreDC(dc, saved);
  }
}

// WM_PAINT through a buffer, so that the window shows all at once; WM_PRINTCLIENT straight into
// the device context that it gives.
void TWindow::PaintMessage(UINT message, WPARAM wParam) {
  RECT client;
  if (message == WM_PRINTCLIENT) {
    GetClientRect(hwnd_, &client);
    return PaintWhole(reinterpret_cast<HDC>(wParam), client);
  }
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  GetClientRect(hwnd_, &client);
  if (client.right > 0 && client.bottom > 0) {
    const HDC buffer = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    const HGDIOBJ before = SelectObject(buffer, bitmap);
    PaintWhole(buffer, client);
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, before);
    DeleteObject(bitmap);
    DeleteDC(buffer);
  }
  EndPaint(hwnd_, &ps);
}

LRESULT TWindow::Message(UINT message, WPARAM wParam, LPARAM lParam) {
  if (OwnClass() && message == WM_ERASEBKGND) return 1;  // WM_PAINT paints everything
  if (OwnClass() && (message == WM_PAINT || message == WM_PRINTCLIENT)) {
    PaintMessage(message, wParam);
    return 0;
  }
  LRESULT result = 0;
  if (ChildMessage(message, wParam, lParam, result)) return result;
  if (message == WM_GETOBJECT && static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT &&
      ReadsItself()) {
    if (const LRESULT object = AccessibleObject(*this, wParam, lParam)) return object;
  }
  if (message == WM_SETFOCUS && !OwnClass() && form_ != nullptr) form_->NoteFocus(this);
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
