#include "ui/toolkit/control.h"

namespace gapwise {

namespace {

std::uint64_t made = 0;  // how many controls have been made

}  // namespace

TControl::TControl(TWinControl* parent) : parent_(parent), made_(made++) {
  if (parent != nullptr) font_ = parent->Font();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c->parent_ != nullptr; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

TControl::~TControl() = default;

void TControl::Attach(std::unique_ptr<IControlDriver> driver) {
  driver_ = std::move(driver);
}

void TControl::SetName(const std::string& name) {
  name_ = name;
  driver_->SetName(name);
}

void TControl::SetBounds(const TRect& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  driver_->SetBounds(bounds);
}

void TControl::SetVisible(bool visible) {
  visible_ = visible;
  driver_->SetVisible(visible);
}

void TControl::SetFont(const TFont& font) {
  font_ = font;
  driver_->SetFont(font);
}

void TControl::SetColor(TColor color) {
  color_ = color;
  driver_->SetColor(color);
}

void TControl::SetAccessibleName(const std::string& name) {
  if (name == accessibleName_) return;
  accessibleName_ = name;
  driver_->SetAccessibleName(name);
}

void TControl::SetAccessibleDescription(const std::string& description) {
  if (description == accessibleDescription_) return;
  accessibleDescription_ = description;
  driver_->SetAccessibleDescription(description);
}

// The children go first, back to front reversed, while this control's driver still exists.
TWinControl::~TWinControl() {
  while (!children_.empty()) children_.pop_back();
}

TPanel::TPanel(TWinControl& parent, const TRect& bounds, TColor color) : TWinControl(&parent) {
  auto driver = Toolkit().CreatePanel(*this, parent.Driver());
  panel_ = driver.get();
  Attach(std::move(driver));
  SetBounds(bounds);
  SetColor(color);
}

void TPanel::SetReading(const std::string& name, const std::string& description) {
  panel_->SetReading(name, description);
}

}  // namespace gapwise
