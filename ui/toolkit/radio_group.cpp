#include "ui/toolkit/radio_group.h"

#include <algorithm>

#include "ui/toolkit/services.h"

namespace gapwise {

TRadioGroup::TRadioGroup(TWinControl& parent, const TRect& bounds) : TControl(&parent) {
  auto driver = Toolkit().CreateRadioGroup(*this, parent.Driver());
  group_ = driver.get();
  Attach(std::move(driver));
  SetBounds(bounds);
}

void TRadioGroup::SetCaption(const std::string& caption) {
  caption_ = caption;
  group_->SetText(caption);
}

std::string TRadioGroup::Item(int index) const {
  if (index < 0 || index >= Count()) return {};
  return items_[static_cast<std::size_t>(index)];
}

void TRadioGroup::ClearItems() {
  SetItems({});
}

void TRadioGroup::AddItem(const std::string& text) {
  std::vector<std::string> items = items_;
  items.push_back(text);
  SetItems(items);
}

void TRadioGroup::SetItem(int index, const std::string& text) {
  if (index < 0 || index >= Count()) return;
  std::vector<std::string> items = items_;
  items[static_cast<std::size_t>(index)] = text;
  SetItems(items);
}

void TRadioGroup::SetItems(const std::vector<std::string>& items) {
  if (index_ >= static_cast<int>(items.size())) SetItemIndex(-1);
  items_ = items;
  group_->SetItems(items);
}

void TRadioGroup::SetItemIndex(int index) {
  index_ = std::clamp(index, -1, Count() - 1);
  group_->SetItemIndex(index_);
}

void TRadioGroup::ItemClicked(int index) {
  SetItemIndex(index);
  if (OnClick) RunHandler([&] { OnClick(index_); });
}

}  // namespace gapwise
