#include "ui/toolkit/radio_group.h"

#include <algorithm>

#include "ui/toolkit/services.h"

namespace gapwise {

std::vector<TRect> ChoiceRows(int width, int height, int captionHeight, int count) {
  std::vector<TRect> rows;
  if (count <= 0) return rows;
  const int space = height - captionHeight - 5;
  const int rowHeight = space / count;
  const int top = captionHeight + 1 + (space % count) / 2;
  for (int i = 0; i < count; ++i) rows.push_back({8, top + i * rowHeight, width - 10, rowHeight});
  return rows;
}

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
