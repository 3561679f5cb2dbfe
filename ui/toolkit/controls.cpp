#include "ui/toolkit/controls.h"

#include "ui/toolkit/services.h"

namespace gapwise {
namespace {

// Makes the backend's driver of `control`, keeping a typed pointer to it in `typed`.
template <class TDriver, class TControlClass, class TFactory>
std::unique_ptr<TDriver> MakeDriver(TControlClass& control, TWinControl& parent, TDriver*& typed,
                                    TFactory factory) {
  auto driver = (Toolkit().*factory)(control, parent.Driver());
  typed = driver.get();
  return driver;
}

}  // namespace

TLabel::TLabel(TWinControl& parent, const TRect& bounds, const std::string& caption, bool autoSize,
               TAlignment alignment)
    : TControl(&parent), autoSize_(autoSize), alignment_(alignment) {
  Attach(MakeDriver(*this, parent, label_, &IToolkit::CreateLabel));
  SetBounds(bounds);
  if (alignment != taLeftJustify) label_->SetAlignment(alignment);
  SetCaption(caption);
}

void TLabel::SetCaption(const std::string& caption) {
  if (caption != caption_) {
    caption_ = caption;
    label_->SetText(caption);
  }
  Fit();
}

void TLabel::SetFont(const TFont& font) {
  TControl::SetFont(font);
  Fit();
}

void TLabel::Fit() {
  if (!autoSize_) return;
  SetBounds({Left(), Top(), label_->TextWidth(caption_), Height()});
}

void TLabel::SetAccessibleTitle(const std::string& title) {
  label_->SetAccessibleTitle(title);
}

TColumnLabel::TColumnLabel(TWinControl& parent, const TRect& bounds) : TControl(&parent) {
  Attach(MakeDriver(*this, parent, columns_, &IToolkit::CreateColumnLabel));
  SetBounds(bounds);
}

void TColumnLabel::SetColumns(const std::string& text, const std::vector<int>& lefts,
                              int columnWidth) {
  caption_ = text;
  columns_->SetColumns(text, lefts, columnWidth);
}

TButton::TButton(TWinControl& parent, const TRect& bounds, const std::string& caption)
    : TControl(&parent) {
  Attach(MakeDriver(*this, parent, button_, &IToolkit::CreateButton));
  SetBounds(bounds);
  caption_ = caption;
  button_->SetText(caption);
}

void TButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  button_->SetDefault(isDefault);
}

void TButton::Click() {
  if (OnClick) RunHandler(OnClick);
}

TCheckBox::TCheckBox(TWinControl& parent, const TRect& bounds, const std::string& caption)
    : TControl(&parent) {
  Attach(MakeDriver(*this, parent, box_, &IToolkit::CreateCheckBox));
  caption_ = caption;
  box_->SetText(caption);
  SetBounds(bounds);
}

TEdit::TEdit(TWinControl& parent, const TRect& bounds) : TControl(&parent) {
  Attach(MakeDriver(*this, parent, edit_, &IToolkit::CreateEdit));
  SetBounds(bounds);
}

void TEdit::SetMaxLength(int length) {
  maxLength_ = length;
  edit_->SetMaxLength(length);
}

// A handler that fails leaves the character out.
char TEdit::KeyPress(char key) {
  if (!OnKeyPress) return key;
  if (!RunHandler([&] { OnKeyPress(key); })) return '\0';
  return key == kNotInserted ? '\0' : key;
}

TStaticText::TStaticText(TWinControl& parent, const TRect& bounds) : TControl(&parent) {
  IControlDriver* unused = nullptr;
  Attach(MakeDriver(*this, parent, unused, &IToolkit::CreateStaticText));
  SetBounds(bounds);
}

void TStaticText::SetCaption(const std::string& caption) {
  caption_ = caption;
  Driver().SetText(caption);
}

}  // namespace gapwise
