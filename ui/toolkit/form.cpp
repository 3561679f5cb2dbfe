#include "ui/toolkit/form.h"

#include <vector>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/services.h"

namespace gapwise {

TForm::TForm(TForm* owner, TFormBorder border) : TWinControl(nullptr), owner_(owner) {
  auto driver = Toolkit().CreateForm(*this, owner ? owner->form_ : nullptr, border);
  form_ = driver.get();
  Attach(std::move(driver));
  RecordVisible(false);
  SetColor(clBtnFace);
}

void TForm::SetCaption(const std::string& caption) {
  caption_ = caption;
  form_->SetText(caption);
}

void TForm::MoveTo(int left, int top) {
  form_->MoveTo(left, top);
}

void TForm::SetPosition(TPosition position) {
  form_->SetPosition(position);
}

void TForm::ShowModal() {
  RecordVisible(true);
  form_->ShowModal();
  RecordVisible(false);
}

void TForm::Close() {
  form_->Close();
}

void TForm::SetKeyPreview(bool preview) {
  keyPreview_ = preview;
  form_->SetKeyPreview(preview);
}

void TForm::SetDefaultButton(TButton* button) {
  if (button != nullptr) button->SetDefault(true);
  keys_.SetDefaultButton(button);
}

void TForm::SetTabOrder(std::initializer_list<TControl*> order) {
  keys_.SetTabOrder(order);
  std::vector<IControlDriver*> drivers;
  for (TControl* control : order) drivers.push_back(&control->Driver());
  form_->SetTabOrder(drivers);
}

void TForm::Announce(const std::string& text) {
  if (onScreen_) return form_->Announce(text);
  pending_ = text;
}

// Dialog keys first; then, with key preview, the form's handler sees the key.
bool TForm::KeyDown(TKey key, TShift shift) {
  if (keys_.KeyDown(key, shift)) return true;
  if (keyPreview_ && OnKeyDown) RunHandler([&] { OnKeyDown(key); });
  return false;
}

void TForm::KeyPress(char c) {
  if (keyPreview_ && OnKeyPress) RunHandler([&] { OnKeyPress(c); });
}

void TForm::Shown() {
  onScreen_ = true;
  if (pending_.empty()) return;
  form_->Announce(pending_);
  pending_.clear();
}

void TForm::Closed() {
  RecordVisible(false);
  onScreen_ = false;
}

}  // namespace gapwise
