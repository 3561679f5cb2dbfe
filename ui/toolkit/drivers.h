// What a window toolkit backend provides: a driver behind each control, and the services. The
// portable controls keep the rules; a driver only shows what it is told and reports the user's
// actions back to its control.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit/types.h"

namespace gapwise {

class TButton;
class TCheckBox;
class TColumnLabel;
class TEdit;
class TForm;
class TLabel;
class TPanel;
class TRadioGroup;
class TStaticText;
class TTimer;

class IControlDriver {
 public:
  virtual ~IControlDriver() = default;
  virtual void SetName(const std::string& name) = 0;  // the control's name, as the form calls it
  virtual void SetBounds(const TRect& bounds) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual void SetFont(const TFont& font) = 0;
  virtual void SetColor(TColor color) = 0;            // the background; clNone lets the parent show
  virtual void SetHint(const std::string& hint) = 0;  // shown when the pointer rests on it
  virtual void SetFocus() = 0;
  virtual bool Focused() const = 0;
  // What a screen reader reads for the control; a change of the name is announced.
  virtual void SetAccessibleName(const std::string& name) = 0;
  virtual void SetAccessibleDescription(const std::string& description) = 0;
  // Tells a screen reader that the control's name has changed (a label read with its title).
  virtual void AnnounceName() = 0;
};

class ILabelDriver : public IControlDriver {
 public:
  virtual void SetAlignment(TAlignment alignment) = 0;
  virtual int TextWidth(const std::string& text) const = 0;  // in the label's font
  // Read as "title: caption", always with the present caption; a new caption is not announced
  // by itself.
  virtual void SetAccessibleTitle(const std::string& title) = 0;
};

class IColumnLabelDriver : public IControlDriver {
 public:
  // Draws character i of text centred in the column [lefts[i], lefts[i] + width); blanks stay
  // empty.
  virtual void SetColumns(const std::string& text, const std::vector<int>& lefts, int width) = 0;
};

class IPanelDriver : public IControlDriver {
 public:
  // A screen reader reads the panel as one static text with this name and description, its
  // controls hidden from it; a change of either is announced.
  virtual void SetReading(const std::string& name, const std::string& description) = 0;
};

class IButtonDriver : public IControlDriver {
 public:
  virtual void SetDefault(bool isDefault) = 0;  // drawn as the default button
};

class ICheckBoxDriver : public IControlDriver {
 public:
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
};

class IEditDriver : public IControlDriver {
 public:
  virtual std::string Text() const = 0;
  // The user may bring the text to at most this many characters; text set by the program is
  // not limited.
  virtual void SetMaxLength(int length) = 0;
  virtual void SelectAll() = 0;  // selects the whole text, so that typing replaces it
};

class IRadioGroupDriver : public IControlDriver {
 public:
  virtual void SetItems(const std::vector<std::string>& items) = 0;
  // -1 selects none; the keyboard focus, when it is in the group, follows the selection.
  virtual void SetItemIndex(int index) = 0;
  // SetFocus puts the keyboard focus on the selected button, or the first without a selection;
  // Focused is true while any of its buttons has it.
  virtual void FocusItem(int index) = 0;  // the keyboard focus on the item's button
  virtual int FocusedItem() const = 0;    // the item whose button has it; -1 for none
};

enum TFormBorder : std::uint8_t { bsSingle, bsDialog };  // bsSingle: minimize and close buttons
enum TPosition : std::uint8_t { poDesigned, poOwnerFormCenter };

// A form's bounds are its client area's size; MoveTo places its frame on the screen.
class IFormDriver : public IControlDriver {
 public:
  virtual void MoveTo(int left, int top) = 0;
  virtual void SetPosition(TPosition position) = 0;
  // Runs a nested event loop, in which timers keep ticking and the owner takes no input, until
  // the form is closed.
  virtual void ShowModal() = 0;
  virtual void Close() = 0;
  // With key preview, keys reach the form's KeyDown and KeyPress before the focused control.
  virtual void SetKeyPreview(bool preview) = 0;
  virtual void SetTabOrder(const std::vector<IControlDriver*>& order) = 0;
  // A screen reader speaks the text without the focus moving. Called only while the form is on
  // the screen: the driver calls TForm::Shown once it is shown and a screen reader can hear it.
  virtual void Announce(const std::string& text) = 0;
};

class ITimerDriver {
 public:
  virtual ~ITimerDriver() = default;
  // False when the system refuses a timer. Starting begins a fresh interval.
  virtual bool Start(int intervalMs) = 0;
  virtual void Stop() = 0;
};

// One backend per program, chosen when it is linked: its Toolkit() makes the drivers and gives
// the services. The parent driver given to a factory is the driver of the control's parent.
class IToolkit {
 public:
  virtual ~IToolkit() = default;

  // Before any window: the toolkit's own start (Qt's application object); Stop ends it.
  virtual void Start(int& argc, char** argv, const std::string& desktopId) = 0;
  virtual void Stop() = 0;
  // Shows the form and runs the event loop until it is closed; the program's exit status.
  virtual int Run(TForm& mainForm) = 0;

  virtual std::unique_ptr<IFormDriver> CreateForm(TForm& form, IFormDriver* owner,
                                                  TFormBorder border) = 0;
  virtual std::unique_ptr<IPanelDriver> CreatePanel(TPanel& panel, IControlDriver& parent) = 0;
  virtual std::unique_ptr<ILabelDriver> CreateLabel(TLabel& label, IControlDriver& parent) = 0;
  virtual std::unique_ptr<IColumnLabelDriver> CreateColumnLabel(TColumnLabel& label,
                                                                IControlDriver& parent) = 0;
  virtual std::unique_ptr<IButtonDriver> CreateButton(TButton& button, IControlDriver& parent) = 0;
  virtual std::unique_ptr<ICheckBoxDriver> CreateCheckBox(TCheckBox& box,
                                                          IControlDriver& parent) = 0;
  virtual std::unique_ptr<IEditDriver> CreateEdit(TEdit& edit, IControlDriver& parent) = 0;
  virtual std::unique_ptr<IRadioGroupDriver> CreateRadioGroup(TRadioGroup& group,
                                                              IControlDriver& parent) = 0;
  virtual std::unique_ptr<IControlDriver> CreateStaticText(TStaticText& text,
                                                           IControlDriver& parent) = 0;
  virtual std::unique_ptr<ITimerDriver> CreateTimer(TTimer& timer) = 0;

  // A modal message with the application title and one OK button; returns once closed.
  virtual void ShowMessage(TForm* owner, const std::string& text) = 0;
  // The error box: the application title and an error icon; returns once closed.
  virtual void ShowError(const std::string& text) = 0;
  virtual void Beep() = 0;  // the system's default sound; returns at once
  // Hands the file to the viewer the system associates with it; returns at once.
  virtual void ShellOpen(TForm* owner, const std::string& path) = 0;
  // True for an existing entry that is not a folder.
  virtual bool FileExists(const std::string& path) = 0;
  // The low 32 bits of the high-resolution counter, else the milliseconds since start-up.
  virtual std::uint32_t Seed() = 0;
  virtual char PathDelimiter() const = 0;  // between a folder and a file name
};

// The backend linked into the program.
IToolkit& Toolkit();

}  // namespace gapwise
