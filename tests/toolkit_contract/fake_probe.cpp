// The contract's probe on the fake backend: a click calls the control, a key goes to the active
// form as a backend reports it, the screen is the state that the drivers hold, and a round of
// events is one tick of every running timer.
#include "probe.h"
#include "ui/toolkit/fake/fake_toolkit.h"
#include "ui/toolkit/services.h"

namespace gapwise::contract {
namespace {

using fake::TFakeToolkit;

class TFakeProbe : public IToolkitProbe {
 public:
  TFakeProbe() {
    TFakeToolkit::Instance().OnModal = [this](TForm& form) {
      PumpUntil([&] { return !form.Visible(); });
    };
  }

  void Activate(TForm& form) override {
    form.Show();
    active_ = &form;
  }
  void Click(const TButton& button) override { const_cast<TButton&>(button).Click(); }
  void ClickItem(const TRadioGroup& group, int index) override {
    const_cast<TRadioGroup&>(group).ItemClicked(index);
  }
  void PressKey(TPress key) override {
    struct TStroke {
      TKey Key;
      bool Shift;
      char Typed;
    };
    static constexpr TStroke kStrokes[] = {
        {TKey::Tab, false, '\t'},  {TKey::Tab, true, '\t'}, {TKey::Enter, false, '\r'},
        {TKey::Escape, false, 27}, {TKey::Up, false, 0},    {TKey::Down, false, 0},
        {TKey::Left, false, 0},    {TKey::Right, false, 0}, {DigitKey(7), false, '7'}};
    const TStroke& stroke = kStrokes[static_cast<int>(key)];
    TFakeToolkit::Instance().PressKey(*active_, stroke.Key, {stroke.Shift}, stroke.Typed);
  }

  std::string Caption(const TControl& control) override { return fake::State(control).Text; }
  bool Shown(const TControl& control) override {
    for (const TControl* c = &control; c != nullptr; c = c->Parent()) {
      if (!fake::State(*c).Visible) return false;
    }
    return true;
  }
  bool HasFocus(const TControl& control) override { return control.Focused(); }
  bool ItemHasFocus(const TRadioGroup& group, int index) override {
    return group.FocusedItem() == index;
  }
  bool ItemChecked(const TRadioGroup& group, int index) override {
    return fake::State(group).ItemIndex == index;
  }
  std::string Announced(const TForm& /*form*/) override {
    const auto& announced = TFakeToolkit::Instance().Announced;
    return announced.empty() ? "" : announced.back();
  }

  bool PumpUntil(const std::function<bool()>& done) override {
    for (int round = 0; round < 1000; ++round) {
      if (done()) return true;
      TFakeToolkit::Instance().TickTimers();
    }
    return done();
  }

  std::vector<TBox> Boxes(const std::function<void()>& action,
                          const std::function<bool()>& closeWhen) override {
    std::vector<TBox> seen;
    TFakeToolkit::Instance().OnBox = [&](const fake::TFakeBox& box) {
      seen.push_back({ApplicationTitle(), box.Text, box.Error});
      PumpUntil(closeWhen);
    };
    action();
    TFakeToolkit::Instance().OnBox = {};
    return seen;
  }

 private:
  TForm* active_ = nullptr;
};

}  // namespace

IToolkitProbe& Probe() {
  static TFakeProbe probe;
  return probe;
}

}  // namespace gapwise::contract
