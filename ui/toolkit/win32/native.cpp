// The backend's native groundwork: text in UTF-16, colours, the brushes and fonts kept for
// painting, the module and its window classes, and the error box for what escapes a handler.
#include <map>
#include <tuple>

#include "ui/toolkit/services.h"
#include "ui/toolkit/win32/native.h"

namespace gapwise::win32 {
namespace {

std::map<COLORREF, HBRUSH>& Brushes() {
  static std::map<COLORREF, HBRUSH> brushes;
  return brushes;
}

using TFontKey = std::tuple<std::string, int, unsigned>;
std::map<TFontKey, HFONT>& Fonts() {
  static std::map<TFontKey, HFONT> fonts;
  return fonts;
}

// A class of the backend's windows, all handled by WindowProc, with the arrow pointer.
void RegisterWindowClass(const wchar_t* name, UINT style, HICON icon) {
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.style = style;
  type.lpfnWndProc = WindowProc;
  type.hInstance = Instance();
  type.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  type.hIcon = icon;
  type.lpszClassName = name;
  RegisterClassExW(&type);
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

HMODULE LoadSystemLibrary(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryExW((std::wstring(folder, length) + L'\\' + name).c_str(), nullptr,
                        LOAD_WITH_ALTERED_SEARCH_PATH);
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
  // The program's icon, if it has one.
  HICON icon = LoadIconW(Instance(), MAKEINTRESOURCEW(1));
  if (icon == nullptr) icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  RegisterWindowClass(kFormClass, 0, icon);
  RegisterWindowClass(kControlClass, CS_HREDRAW | CS_VREDRAW, nullptr);
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

}  // namespace gapwise::win32
