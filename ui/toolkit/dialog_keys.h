// The dialog keys of a form, the same on every backend: Tab and Shift+Tab along the tab order,
// the arrow keys between controls and within a choice list, Enter for the focused push button or
// the default one.
#pragma once

#include <utility>
#include <vector>

#include "ui/toolkit/keys.h"

namespace gapwise {

class TButton;
class TControl;
class TWinControl;

class TDialogKeys {
 public:
  explicit TDialogKeys(TWinControl& form) : form_(form) {}

  // The tab order: these controls first, then the other controls that take the focus in the
  // order they were made.
  void SetTabOrder(std::vector<TControl*> order) { order_ = std::move(order); }
  void SetDefaultButton(TButton* button) { default_ = button; }

  // A key went down while the focus was in the form; true when it was a dialog key, used up.
  bool KeyDown(TKey key, TShift shift);
  // The focus to the first tab stop; false when there is none.
  bool FocusFirst();
  // The focus to the next (or previous) tab stop, wrapping; an edit box reached has its text
  // selected.
  void MoveTab(bool forward);

 private:
  // A place that takes the focus: a control, and in a choice list the item (else -1).
  struct TStop {
    TControl* Control;
    int Item;
  };
  std::vector<TControl*> TabList() const;
  std::vector<TStop> TabStops() const;
  TControl* FocusedControl() const;
  bool Enter(TControl* focused);
  void MoveArrow(TControl& focused, bool forward);

  TWinControl& form_;
  std::vector<TControl*> order_;
  TButton* default_ = nullptr;
};

}  // namespace gapwise
