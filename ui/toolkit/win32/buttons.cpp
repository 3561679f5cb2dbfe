// The system's push button and check box.
#include <algorithm>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/win32/control_parts.h"
#include "ui/toolkit/win32/controls.h"

namespace gapwise::win32 {
namespace {

class TButtonWindow : public TDriver<IButtonDriver> {
 public:
  TButtonWindow(TButton& button, TWindow& parent)
      : TDriver(TKind::Button, &parent), button_(button) {
    CreateSystem(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0);
  }

  void SetDefault(bool isDefault) override {
    SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
  void Command(WORD code) override {
    if (code == BN_CLICKED) button_.Click();
  }

 private:
  TButton& button_;
};

// A caption longer than its box would be cut off: the box then reaches as far right as its
// caption needs, within its parent.
class TCheckBoxWindow : public TDriver<ICheckBoxDriver> {
 public:
  explicit TCheckBoxWindow(TWindow& parent) : TDriver(TKind::CheckBox, &parent) {
    CreateSystem(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0);
  }

  void SetBounds(const TRect& r) override {
    const TFontDc dc(*this);
    const int box = GetSystemMetrics(SM_CXMENUCHECK);
    const int needed = Unscale(box + Extent(dc.Dc(), WindowText()).cx + 6);
    const int room = ParentWindow()->Bounds().Width - r.Left;
    ApplyBounds({r.Left, r.Top, std::max(r.Width, std::min(needed, room)), r.Height});
  }
  bool Checked() const override { return ButtonChecked(*this); }
  void SetChecked(bool checked) override { SetButtonChecked(*this, checked); }
};

}  // namespace

std::unique_ptr<IButtonDriver> MakeButton(TButton& button, TWindow& parent) {
  return std::make_unique<TButtonWindow>(button, parent);
}

std::unique_ptr<ICheckBoxDriver> MakeCheckBox(TWindow& parent) {
  return std::make_unique<TCheckBoxWindow>(parent);
}

}  // namespace gapwise::win32
