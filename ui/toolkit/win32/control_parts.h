// What the drivers of the controls share: the style of a child window, the drawing of bevels and
// text in the window's font, and the check mark of the system's check boxes and radio buttons.
#pragma once

#include <string>

#include "ui/toolkit/win32/native.h"

namespace gapwise::win32 {

inline constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

// One pixel wide strips along the edges of r: the first colour on the top and left edges, the
// second on the bottom and right ones (drawn last, so they own the two far corners).
void Ring(HDC dc, const RECT& r, int topLeft, int bottomRight);

// The text's size in the font selected into dc, in screen pixels.
SIZE Extent(HDC dc, const std::wstring& text);

// The window's font, its text colour, and no background behind the text.
void PrepareText(HDC dc, const TWindow& window);

// One line of text in the box, placed there by the format (DT_LEFT, DT_CENTER...), with no
// prefix character.
void DrawLine(HDC dc, const std::wstring& text, RECT box, UINT format);

// A device context of the window with its font selected.
class TFontDc {
 public:
  explicit TFontDc(const TWindow& window);
  ~TFontDc();
  TFontDc(const TFontDc&) = delete;
  TFontDc& operator=(const TFontDc&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
  HGDIOBJ before_;
};

// The check mark of a system check box or radio button.
bool ButtonChecked(const TWindow& button);
void SetButtonChecked(TWindow& button, bool checked);

}  // namespace gapwise::win32
