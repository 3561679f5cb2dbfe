// The Win32 backend's own header, and the one that includes <windows.h>: the native side of every
// driver (one window, its place and font in the forms' pixels, scaled to the window's dots per
// inch), text in UTF-16, fonts and brushes, and the one window procedure.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

#include "ui/toolkit/drivers.h"
#include "ui/toolkit/types.h"

namespace gapwise::win32 {

class TFormWindow;

// The program's texts are UTF-8; the windows take UTF-16.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

// A DLL loaded at run time from the system folder only, never from beside the program or the
// current folder; nullptr where the system has none of that name.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The colour as the screen shows it; CLR_INVALID for clNone.
COLORREF ColorOf(TColor color);
// A solid brush of the colour, kept until FreeGdiCache.
HBRUSH BrushOf(COLORREF color);
// The font's face at a character height of `pixels` (already scaled), kept until FreeGdiCache.
HFONT FontOf(const TFont& font, int pixels);
void FreeGdiCache();

// The module whose windows these are, and the backend's window classes.
HINSTANCE Instance();
inline constexpr const wchar_t* kFormClass = L"GapwiseForm";
inline constexpr const wchar_t* kControlClass = L"GapwiseControl";  // panels, labels, groups...
void RegisterClasses();
void UnregisterClasses();

// What a window is, for the focus and for what a screen reader reads.
enum class TKind {
  Form,
  Panel,
  Label,
  ColumnLabel,
  Button,
  CheckBox,
  Edit,
  RadioGroup,
  RadioButton,
  StaticText,
  Announcer,
};

// The role a window's accessible object takes over the system's.
enum class TRole { System, StaticText, Text, Grouping, Alert };

// The native side of a driver: one window of the backend's own class, or a system control
// (BUTTON, EDIT) whose window procedure passes through this object first, or a control with no
// window of its own that the nearest window draws in its paint: a label, and any control inside a
// window that a screen reader reads as one text (a window costs its making, placing and painting,
// each a few round trips to the system). Its place, font and colour are kept in the forms' pixels
// and applied at the form's scale.
class TWindow {
 public:
  TWindow(TKind kind, TWindow* parent);
  virtual ~TWindow();
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  HWND Handle() const { return hwnd_; }  // null for a drawn control
  bool Drawn() const { return drawn_; }
  TKind Kind() const { return kind_; }
  TWindow* ParentWindow() const { return parent_; }
  TFormWindow* Form() const { return form_; }
  // The object behind a window of this program; null for any other window.
  static TWindow* From(HWND hwnd);
  // The object behind hwnd or behind the nearest of its parents that has one.
  static TWindow* Owning(HWND hwnd);

  // The forms' pixels at the form's scale, and back (rounded up).
  int Scale(int pixels) const;
  int Unscale(int pixels) const;

  const TRect& Bounds() const { return bounds_; }
  std::wstring WindowText() const;  // the text it shows
  const TFont& WindowFont() const { return font_; }
  HFONT FontHandle() const;
  // Its own colour, or the nearest parent's; the button face when none has one.
  COLORREF EffectiveBackground() const;
  bool Shown() const;     // its own flag and all its parents'
  bool CanFocus() const;  // a shown, enabled control that takes the keyboard focus
  virtual void Focus();   // gives it the keyboard focus
  virtual bool HasFocus() const;
  // Where the focus goes back to this control (a choice list: its selected button); null when it
  // cannot.
  virtual TWindow* TabEntry() { return CanFocus() ? this : nullptr; }

  // Sets place and font again after the form's scale has changed.
  virtual void Rescale();
  // Paints what lies behind `area` of this window (its own pixels) into dc, whose origin is
  // this window's top-left corner: its colour, or what its parent shows there.
  virtual void PaintBackground(HDC dc, const RECT& area);
  // Its own pixels: 0, 0 and its size.
  RECT ClientRect() const;
  // The brush and colours of a system control that asks (WM_CTLCOLOR...); null: the system's.
  virtual HBRUSH ControlColors(HDC dc);

  // What a screen reader reads.
  const std::wstring& AccessibleName() const { return accessibleName_; }
  const std::wstring& AccessibleDescription() const { return accessibleDescription_; }
  virtual std::wstring ReadName() const;  // the given name, else the window text
  virtual std::wstring ReadDescription() const { return accessibleDescription_; }
  virtual std::wstring ReadValue() const { return {}; }
  virtual TRole ReadRole() const { return TRole::System; }
  virtual bool HidesChildren() const { return false; }
  bool HiddenFromReader() const;  // inside a window read as one text
  // A drawn control that a screen reader reaches is read as a part of the window that draws it,
  // numbered from kFirstPart in the order the parts were made.
  static constexpr long kFirstPart = 0x1000;
  std::vector<TWindow*> ReaderParts() const;  // of a window
  TWindow* Part(long id) const;               // null for any other number
  long PartId() const;                        // of a drawn control; 0 when no reader reaches it
  // Where a drawn control stands in the window that draws it, and that window.
  RECT PlaceInHost() const;
  const TWindow* Host() const;
  bool OwnClass() const { return systemProc_ == nullptr; }
  // Answers WM_GETOBJECT itself, over the system's object.
  virtual bool ReadsItself() const;
  void NotifyReader(DWORD event) const;  // an EVENT_OBJECT_... of its client object

  // A system control's notification, from the parent's WM_COMMAND.
  virtual void Command(WORD /*code*/) {}

 protected:
  // A window of the backend's class (kControlClass; a form makes its own).
  void CreateOwn(const wchar_t* className, DWORD style, DWORD exStyle, HWND parentOrOwner);
  // A control of the backend's class in parent: drawn by the nearest window where no reader
  // reaches it, else a window of that style.
  void CreateControl(const TWindow& parent, DWORD style);
  // A system control, whose messages pass through Message first.
  void CreateSystem(const wchar_t* className, DWORD style, DWORD exStyle);
  virtual LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  // Paints the client area of a window of the backend's class (through a buffer).
  virtual void Paint(HDC dc, const RECT& client);
  virtual void PlaceWindow();  // to the scaled bounds

  void ApplyBounds(const TRect& bounds);
  void ApplyFont(const TFont& font);
  void ApplyColor(TColor color);
  void ApplyVisible(bool visible);
  void ApplyHint(const std::string& hint);
  void ApplyText(const std::string& text);
  void ApplyAccessibleName(const std::string& name);
  void ApplyAccessibleDescription(const std::string& description);
  void Invalidate();

  TFormWindow* form_;

 private:
  friend LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  friend class TFormWindow;
  void Attach(HWND hwnd);
  void Detach();
  void PaintMessage(UINT message, WPARAM wParam);  // WM_PAINT or WM_PRINTCLIENT
  void PaintWhole(HDC dc, const RECT& client);     // itself, then the controls it draws
  POINT CornerInParent() const;

  TKind kind_;
  TWindow* parent_;
  HWND hwnd_ = nullptr;
  WNDPROC systemProc_ = nullptr;  // a system control's own procedure
  bool placed_ = false;           // placed once, and so put above its elder siblings
  bool drawn_ = false;            // no window: drawn by the nearest window, in drawn_ order
  bool visible_ = true;           // a drawn control's own flag
  std::wstring text_;             // a drawn control's text
  std::string hint_;              // a drawn control's hint, placed again when it moves
  std::vector<TWindow*> drawnChildren_;
  TRect bounds_;
  TFont font_;
  TColor color_ = clNone;
  std::wstring accessibleName_;
  std::wstring accessibleDescription_;
};

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the error being handled in the error box; for catch blocks, so that nothing throws
// through a window procedure, a hook or a timer.
void ShowEscapedError();

template <class TFn>
void Guarded(TFn&& fn) {
  try {
    fn();
  } catch (...) {
    ShowEscapedError();
  }
}

// The window behind a driver made by this backend; null for another backend's driver.
TWindow* WindowOf(const IControlDriver& driver);

// The hint shown when the pointer rests on the window; empty for none.
void SetWindowHint(TWindow& window, const std::string& hint);

// The common part of the drivers over a TWindow.
template <class TInterface>
class TDriver : public TInterface, public TWindow {
 public:
  using TWindow::TWindow;

  void SetName(const std::string& name) override { name_ = name; }
  void SetBounds(const TRect& r) override { ApplyBounds(r); }
  void SetVisible(bool visible) override { ApplyVisible(visible); }
  void SetText(const std::string& text) override { ApplyText(text); }
  void SetFont(const TFont& font) override { ApplyFont(font); }
  void SetColor(TColor color) override { ApplyColor(color); }
  void SetHint(const std::string& hint) override { ApplyHint(hint); }
  void SetFocus() override { Focus(); }
  bool Focused() const override { return HasFocus(); }
  void SetAccessibleName(const std::string& name) override { ApplyAccessibleName(name); }
  void SetAccessibleDescription(const std::string& description) override {
    ApplyAccessibleDescription(description);
  }
  void AnnounceName() override { NotifyReader(EVENT_OBJECT_NAMECHANGE); }

  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

}  // namespace gapwise::win32
