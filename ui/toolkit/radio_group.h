// The choice list: a captioned group of radio buttons in one column; ItemIndex -1 selects none.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/toolkit/control.h"

namespace gapwise {

// Where a choice list of that size stands its buttons: one column under the caption (whose text
// is captionHeight high), 8 pixels in, the rows sharing the height that the caption leaves.
std::vector<TRect> ChoiceRows(int width, int height, int captionHeight, int count);

class TRadioGroup : public TControl {
 public:
  TRadioGroup(TWinControl& parent, const TRect& bounds);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool TakesFocus() const override { return Count() > 0; }

  int Count() const { return static_cast<int>(items_.size()); }
  const std::vector<std::string>& Items() const { return items_; }
  std::string Item(int index) const;  // empty when there is no such item
  // Replaces all items; the selection stays when it is still an item, else none.
  void SetItems(const std::vector<std::string>& items);

  int ItemIndex() const { return index_; }
  // Clamped to -1 .. Count() - 1.
  void SetItemIndex(int index);

  // The keyboard focus on the item's button; FocusedItem is -1 while none of them has it.
  void FocusItem(int index) { group_->FocusItem(index); }
  int FocusedItem() const { return group_->FocusedItem(); }

  // A click on a button (or Space on it) has selected that item.
  std::function<void(int index)> OnClick;
  // From the driver: the user selected the item.
  void ItemClicked(int index);

 private:
  IRadioGroupDriver* group_;
  std::vector<std::string> items_;
  int index_ = -1;
};

}  // namespace gapwise
