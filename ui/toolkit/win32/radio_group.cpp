// The choice list: a captioned frame of the backend's own class around a column of the system's
// radio buttons, which only the list checks.
#include <algorithm>
#include <vector>

#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/win32/control_parts.h"
#include "ui/toolkit/win32/controls.h"

namespace gapwise::win32 {
namespace {

class TRadioGroupWindow;

// One item of the choice list: the system's radio button, checked only by the list.
class TRadioButtonWindow : public TWindow {
 public:
  TRadioButtonWindow(TRadioGroupWindow& group, int index);

  void SetChecked(bool checked) {
    if (checked != ButtonChecked(*this)) SetButtonChecked(*this, checked);
  }
  void Place(const TRect& bounds) { ApplyBounds(bounds); }
  void SetLabel(const std::string& text) {
    if (Utf8(WindowText()) != text) ApplyText(text);
  }
  void SetShown(bool shown) {
    const bool visible = (GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != visible) ApplyVisible(shown);
  }
  void SetButtonFont(const TFont& font) { ApplyFont(font); }

  TWindow* TabEntry() override { return ParentWindow()->TabEntry(); }
  void Command(WORD code) override;

 protected:
  // The system clicks a radio button that gets the focus unchecked; here only a click, Space or
  // the list selects.
  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_SETFOCUS) return TWindow::Message(message, wParam, lParam);
    focusing_ = true;
    const LRESULT result = TWindow::Message(message, wParam, lParam);
    focusing_ = false;
    return result;
  }

 private:
  TRadioGroupWindow& group_;
  int index_;
  bool focusing_ = false;
};

// A captioned, etched frame with one column of radio buttons; ItemIndex -1 selects none.
class TRadioGroupWindow : public TDriver<IRadioGroupDriver> {
 public:
  TRadioGroupWindow(TRadioGroup& group, TWindow& parent)
      : TDriver(TKind::RadioGroup, &parent), group_(group) {
    CreateOwn(kControlClass, kChild | WS_CLIPCHILDREN, 0, parent.Handle());
  }

  void SetText(const std::string& caption) override {
    ApplyText(caption);
    if (AccessibleName().empty()) NotifyReader(EVENT_OBJECT_NAMECHANGE);
  }
  void SetFont(const TFont& font) override {
    ApplyFont(font);
    for (auto& button : buttons_) button->SetButtonFont(font);
    Arrange();
  }
  void SetBounds(const TRect& r) override {
    ApplyBounds(r);
    Arrange();
  }
  void Rescale() override {
    TWindow::Rescale();
    Arrange();
  }

  // The buttons that stay are kept, and so is the keyboard focus on them.
  void SetItems(const std::vector<std::string>& items) override {
    while (buttons_.size() < items.size()) {
      buttons_.push_back(
          std::make_unique<TRadioButtonWindow>(*this, static_cast<int>(buttons_.size())));
    }
    count_ = static_cast<int>(items.size());
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      buttons_[i]->SetLabel(i < items.size() ? items[i] : std::string());
      buttons_[i]->SetShown(i < items.size());
    }
    Arrange();
  }
  // The keyboard focus, when it is in the list, follows the selection.
  void SetItemIndex(int index) override {
    index_ = index;
    const bool focused = HasFocus();
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
      buttons_[static_cast<std::size_t>(i)]->SetChecked(i == index_);
    }
    if (focused && index_ >= 0) buttons_[static_cast<std::size_t>(index_)]->Focus();
  }

  bool HasFocus() const override {
    return std::any_of(buttons_.begin(), buttons_.end(),
                       [](const auto& button) { return button->TWindow::HasFocus(); });
  }
  // On the selected button, else the first.
  void Focus() override {
    if (TWindow* selected = TabEntry()) return selected->Focus();
    FocusItem(0);
  }
  TWindow* TabEntry() override {
    if (index_ < 0) return nullptr;
    TWindow* selected = buttons_[static_cast<std::size_t>(index_)].get();
    return selected->CanFocus() ? selected : nullptr;
  }
  void FocusItem(int index) override {
    if (index >= 0 && index < count_) buttons_[static_cast<std::size_t>(index)]->Focus();
  }
  int FocusedItem() const override {
    for (int i = 0; i < count_; ++i) {
      if (buttons_[static_cast<std::size_t>(i)]->TWindow::HasFocus()) return i;
    }
    return -1;
  }

  void Clicked(int index) { group_.ItemClicked(index); }

  // Named by its caption unless the program names it.
  std::wstring ReadName() const override {
    if (!AccessibleName().empty()) return AccessibleName();
    std::wstring caption = WindowText();
    std::wstring simplified;
    for (const wchar_t c : caption) {
      if (c == L' ' && (simplified.empty() || simplified.back() == L' ')) continue;
      simplified += c;
    }
    if (!simplified.empty() && simplified.back() == L' ') simplified.pop_back();
    return simplified;
  }
  TRole ReadRole() const override { return TRole::Grouping; }

 protected:
  // The frame from the middle of the caption's height down, with the caption over it.
  void Paint(HDC dc, const RECT& client) override {
    FillRect(dc, &client, BrushOf(EffectiveBackground()));
    PrepareText(dc, *this);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    RECT frame{0, metrics.tmHeight / 2 - 1, client.right, client.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = WindowText();
    if (caption.empty()) return;
    RECT text{Scale(8), 0, Scale(8) + Extent(dc, caption).cx, metrics.tmHeight};
    FillRect(dc, &text, BrushOf(EffectiveBackground()));
    DrawLine(dc, caption, text, DT_LEFT | DT_TOP);
  }

 private:
  void Arrange() {
    if (count_ == 0 || Handle() == nullptr) return;
    TEXTMETRICW metrics;
    {
      const TFontDc dc(*this);
      GetTextMetricsW(dc.Dc(), &metrics);
    }
    const std::vector<TRect> rows =
        ChoiceRows(Bounds().Width, Bounds().Height, Unscale(metrics.tmHeight), count_);
    for (std::size_t i = 0; i < rows.size(); ++i) buttons_[i]->Place(rows[i]);
  }

  TRadioGroup& group_;
  std::vector<std::unique_ptr<TRadioButtonWindow>> buttons_;  // the first count_ are the items
  int count_ = 0;
  int index_ = -1;
};

TRadioButtonWindow::TRadioButtonWindow(TRadioGroupWindow& group, int index)
    : TWindow(TKind::RadioButton, &group), group_(group), index_(index) {
  CreateSystem(L"BUTTON", WS_VISIBLE | BS_RADIOBUTTON, 0);
}

void TRadioButtonWindow::Command(WORD code) {
  if (code == BN_CLICKED && !focusing_) group_.Clicked(index_);
}

}  // namespace

std::unique_ptr<IRadioGroupDriver> MakeRadioGroup(TRadioGroup& group, TWindow& parent) {
  return std::make_unique<TRadioGroupWindow>(group, parent);
}

}  // namespace gapwise::win32
