// The drawn controls of a window as a screen reader finds them: simple elements of the window's
// client object, numbered from TWindow::kFirstPart after the child windows that the system's
// object offers.
#pragma once

#include <oleacc.h>

#include "ui/toolkit/win32/native.h"

namespace gapwise::win32 {

inline constexpr GUID kIEnumVARIANT = {0x00020404, 0x0000, 0x0000, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};

// The drawn control that `child` names among the window's parts; null for any other child.
TWindow* PartOf(HWND hwnd, const VARIANT& child);

// What a screen reader reads of a part: static text, read-only, invisible while not shown.
HRESULT ReadPartState(const TWindow& part, VARIANT* out);
HRESULT LocatePart(const TWindow& part, long* left, long* top, long* width, long* height);
// The part after or before `part` among its window's parts, or the first or the last of them.
HRESULT NavigateParts(HWND hwnd, long direction, const TWindow* part, VARIANT* end);
// The shown part under the screen point; S_FALSE when there is none.
HRESULT HitPart(HWND hwnd, long x, long y, VARIANT* out);

// The window's children for IEnumVARIANT: those of the system's object, then its parts.
HRESULT EnumerateChildren(HWND hwnd, IAccessible* inner, void** out);

}  // namespace gapwise::win32
