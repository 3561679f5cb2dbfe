#include "ui/toolkit/dialog_keys.h"

#include <algorithm>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/radio_group.h"

namespace gapwise {
namespace {

// Every control that `parent` holds, at any depth.
void AddDescendants(const TWinControl& parent, std::vector<TControl*>& all) {
  for (const auto& child : parent.Children()) {
    all.push_back(child.get());
    if (const auto* holder = dynamic_cast<const TWinControl*>(child.get())) {
      AddDescendants(*holder, all);
    }
  }
}

bool IsArrow(TKey key) {
  return key == TKey::Left || key == TKey::Right || key == TKey::Up || key == TKey::Down;
}

// Each index after (or before) `at` of `count`, wrapping, once, until visit is true; at -1
// starts before the first.
template <class TVisit>
void Around(std::size_t count, int at, bool forward, TVisit visit) {
  const int n = static_cast<int>(count);
  if (at < 0) at = forward ? -1 : n;
  for (int step = 1; step <= n; ++step) {
    const int i = ((at + (forward ? step : -step)) % n + n) % n;
    if (visit(i)) return;
  }
}

bool CanFocus(const TControl& control) {
  return control.TakesFocus() && control.Showing();
}

// Where an arrow key enters a control: a choice list at its selected item, else at its first
// (or, going back, its last) item; -1 for another control.
int ArrowItem(const TControl& control, bool forward) {
  const auto* group = dynamic_cast<const TRadioGroup*>(&control);
  if (group == nullptr) return -1;
  if (group->ItemIndex() >= 0) return group->ItemIndex();
  return forward ? 0 : group->Count() - 1;
}

void Focus(TControl& control, int item) {
  if (item >= 0) return static_cast<TRadioGroup&>(control).FocusItem(item);
  control.SetFocus();
}

// An item that an arrow key reaches is selected, as a click would.
void Select(TControl& control, int item) {
  auto* group = dynamic_cast<TRadioGroup*>(&control);
  if (group != nullptr && group->ItemIndex() != item) group->ItemClicked(item);
}

}  // namespace

std::vector<TControl*> TDialogKeys::TabList() const {
  std::vector<TControl*> all;
  AddDescendants(form_, all);
  std::stable_sort(all.begin(), all.end(),
                   [](const TControl* a, const TControl* b) { return a->MadeBefore(*b); });
  std::vector<TControl*> list = order_;
  for (TControl* control : all) {
    if (control->TakesFocus() && std::find(list.begin(), list.end(), control) == list.end()) {
      list.push_back(control);
    }
  }
  return list;
}

// A choice list is entered at its selected item, else at its first.
std::vector<TDialogKeys::TStop> TDialogKeys::TabStops() const {
  std::vector<TStop> stops;
  for (TControl* control : TabList()) {
    if (!CanFocus(*control)) continue;
    const auto* group = dynamic_cast<const TRadioGroup*>(control);
    stops.push_back({control, group != nullptr ? std::max(group->ItemIndex(), 0) : -1});
  }
  return stops;
}

TControl* TDialogKeys::FocusedControl() const {
  for (TControl* control : TabList()) {
    if (control->Focused()) return control;
  }
  return nullptr;
}

bool TDialogKeys::FocusFirst() {
  const std::vector<TStop> stops = TabStops();
  if (stops.empty()) return false;
  Focus(*stops.front().Control, stops.front().Item);
  return true;
}

void TDialogKeys::MoveTab(bool forward) {
  const std::vector<TStop> stops = TabStops();
  const TControl* focused = FocusedControl();
  int at = -1;
  for (std::size_t i = 0; i < stops.size(); ++i) {
    if (stops[i].Control == focused) at = static_cast<int>(i);
  }
  Around(stops.size(), at, forward, [&](int i) {
    const TStop& stop = stops[static_cast<std::size_t>(i)];
    Focus(*stop.Control, stop.Item);
    if (auto* edit = dynamic_cast<TEdit*>(stop.Control)) edit->SelectAll();
    return true;
  });
}

// Within a choice list, among its items; else among the controls of the same parent in tab order.
void TDialogKeys::MoveArrow(TControl& focused, bool forward) {
  if (auto* group = dynamic_cast<TRadioGroup*>(&focused)) {
    const int at = group->FocusedItem();
    Around(static_cast<std::size_t>(group->Count()), at, forward, [&](int i) {
      if (i == at) return true;
      group->FocusItem(i);
      Select(*group, i);
      return true;
    });
    return;
  }
  std::vector<TControl*> same;
  for (TControl* control : TabList()) {
    if (control->Parent() == focused.Parent()) same.push_back(control);
  }
  const auto found = std::find(same.begin(), same.end(), &focused);
  const int at = found == same.end() ? -1 : static_cast<int>(found - same.begin());
  Around(same.size(), at, forward, [&](int i) {
    TControl& next = *same[static_cast<std::size_t>(i)];
    if (&next == &focused || !CanFocus(next)) return false;
    const int item = ArrowItem(next, forward);
    Focus(next, item);
    if (item >= 0) Select(next, item);
    return true;
  });
}

// The focused push button, else the default one; in an edit box without a default button the
// edit box sees Enter.
bool TDialogKeys::Enter(TControl* focused) {
  auto* button = dynamic_cast<TButton*>(focused);
  if (button == nullptr || !button->Showing()) button = default_;
  if (button != nullptr && button->Showing()) {
    button->Click();
    return true;
  }
  return dynamic_cast<TEdit*>(focused) == nullptr;
}

bool TDialogKeys::KeyDown(TKey key, TShift shift) {
  if (key == TKey::Tab && !shift.Alt && !shift.Control) {
    MoveTab(!shift.Shift);
    return true;
  }
  TControl* focused = FocusedControl();
  if (key == TKey::Enter && !shift.Alt) return Enter(focused);
  // The edit box keeps its arrow keys for its caret.
  if (IsArrow(key) && focused != nullptr && dynamic_cast<TEdit*>(focused) == nullptr) {
    MoveArrow(*focused, key == TKey::Right || key == TKey::Down);
    return true;
  }
  return false;
}

}  // namespace gapwise
