// The simple controls: labels, the column label of a calculation, push buttons, check boxes, the
// one-line edit box and the static text of an answer box.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/toolkit/control.h"

namespace gapwise {

// A text at the top of its box: of fixed size with its text placed by the alignment, or as wide
// as its text (auto-size) from its left edge. Transparent unless it is given a colour; without
// a caption and with a colour it is a filled rectangle.
class TLabel : public TControl {
 public:
  TLabel(TWinControl& parent, const TRect& bounds, const std::string& caption = "",
         bool autoSize = false, TAlignment alignment = taLeftJustify);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  void SetFont(const TFont& font) override;
  bool AutoSize() const { return autoSize_; }
  TAlignment Alignment() const { return alignment_; }

  // A screen reader reads the label as "title: caption"; AnnounceName tells it of a change.
  void SetAccessibleTitle(const std::string& title);

 private:
  void Fit();

  ILabelDriver* label_;
  bool autoSize_;
  TAlignment alignment_;
};

// A fixed-size text whose every character stands centred in a column of its own.
class TColumnLabel : public TControl {
 public:
  TColumnLabel(TWinControl& parent, const TRect& bounds);

  const std::string& Caption() const { return caption_; }
  // The text with the left edge of each character's column, in the label's coordinates.
  void SetColumns(const std::string& text, const std::vector<int>& lefts, int columnWidth);

 private:
  IColumnLabelDriver* columns_;
};

class TButton : public TControl {
 public:
  TButton(TWinControl& parent, const TRect& bounds, const std::string& caption);

  const std::string& Caption() const { return caption_; }
  bool TakesFocus() const override { return true; }
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);

  std::function<void()> OnClick;
  void Click();  // pressed by the user: runs OnClick, showing an error that escapes it

 private:
  IButtonDriver* button_;
  bool default_ = false;
};

class TCheckBox : public TControl {
 public:
  TCheckBox(TWinControl& parent, const TRect& bounds, const std::string& caption);

  const std::string& Caption() const { return caption_; }
  bool TakesFocus() const override { return true; }
  bool Checked() const { return box_->Checked(); }
  void SetChecked(bool checked) { box_->SetChecked(checked); }

 private:
  ICheckBoxDriver* box_;
};

// What a key handler sets a typed character to so that it is not inserted.
inline constexpr char kNotInserted = 17;

// A one-line edit box. OnKeyPress sees each typed character first and may replace it; a
// character replaced by kNotInserted (or 0) is not inserted.
class TEdit : public TControl {
 public:
  TEdit(TWinControl& parent, const TRect& bounds);

  bool TakesFocus() const override { return true; }
  std::string Text() const { return edit_->Text(); }
  void SetText(const std::string& text) { edit_->SetText(text); }
  void SelectAll() { edit_->SelectAll(); }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length);  // what the user may type or paste; 0 for no limit

  std::function<void(char& key)> OnKeyPress;
  // From the driver: the character to insert instead of `key`; 0 for none.
  char KeyPress(char key);

 private:
  IEditDriver* edit_;
  int maxLength_ = 0;
};

// Text that the user cannot edit, centred in a sunken box with a soft bevel.
class TStaticText : public TControl {
 public:
  TStaticText(TWinControl& parent, const TRect& bounds);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
};

}  // namespace gapwise
