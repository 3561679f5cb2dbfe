#include "ui/toolkit/win32/control_parts.h"

namespace gapwise::win32 {

void Ring(HDC dc, const RECT& r, int topLeft, int bottomRight) {
  const RECT top{r.left, r.top, r.right, r.top + 1};
  const RECT left{r.left, r.top, r.left + 1, r.bottom};
  const RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
  const RECT right{r.right - 1, r.top, r.right, r.bottom};
  FillRect(dc, &top, GetSysColorBrush(topLeft));
  FillRect(dc, &left, GetSysColorBrush(topLeft));
  FillRect(dc, &bottom, GetSysColorBrush(bottomRight));
  FillRect(dc, &right, GetSysColorBrush(bottomRight));
}

SIZE Extent(HDC dc, const std::wstring& text) {
  SIZE size{0, 0};
  if (!text.empty()) GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

void PrepareText(HDC dc, const TWindow& window) {
  SelectObject(dc, window.FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorOf(window.WindowFont().Color));
}

void DrawLine(HDC dc, const std::wstring& text, RECT box, UINT format) {
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
            format | DT_SINGLELINE | DT_NOPREFIX);
}

TFontDc::TFontDc(const TWindow& window) : hwnd_(window.Handle()), dc_(GetDC(hwnd_)) {
  before_ = SelectObject(dc_, window.FontHandle());
}

TFontDc::~TFontDc() {
  SelectObject(dc_, before_);
  ReleaseDC(hwnd_, dc_);
}

bool ButtonChecked(const TWindow& button) {
  return SendMessageW(button.Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetButtonChecked(TWindow& button, bool checked) {
  SendMessageW(button.Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace gapwise::win32
