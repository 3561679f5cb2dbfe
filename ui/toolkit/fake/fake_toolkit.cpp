#include "ui/toolkit/fake/fake_toolkit.h"

#include <algorithm>
#include <filesystem>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/timer.h"

namespace gapwise::fake {
namespace {

struct TFakeHolder {
  virtual ~TFakeHolder() = default;
  TFakeState State;
};

template <class TInterface>
class TFakeDriver : public TInterface, public TFakeHolder {
 public:
  ~TFakeDriver() override {
    if (TFakeToolkit::Instance().Focus == this) TFakeToolkit::Instance().Focus = nullptr;
  }
  void SetName(const std::string& name) override { State.Name = name; }
  void SetBounds(const TRect& bounds) override { State.Bounds = bounds; }
  void SetVisible(bool visible) override { State.Visible = visible; }
  void SetText(const std::string& text) override { State.Text = text; }
  void SetFont(const TFont& font) override { State.Font = font; }
  void SetColor(TColor color) override { State.Color = color; }
  void SetHint(const std::string& /*hint*/) override {}
  void SetFocus() override { TFakeToolkit::Instance().Focus = this; }
  bool Focused() const override { return TFakeToolkit::Instance().Focus == this; }
  void SetAccessibleName(const std::string& name) override { State.AccessibleName = name; }
  void SetAccessibleDescription(const std::string& description) override {
    State.AccessibleDescription = description;
  }
  void AnnounceName() override {}
};

class TFakePanel : public TFakeDriver<IPanelDriver> {
 public:
  void SetReading(const std::string& name, const std::string& description) override {
    State.AccessibleName = name;
    State.AccessibleDescription = description;
  }
};

// Every character is 8 pixels wide.
class TFakeLabel : public TFakeDriver<ILabelDriver> {
 public:
  void SetAlignment(TAlignment /*alignment*/) override {}
  int TextWidth(const std::string& text) const override {
    return 8 * static_cast<int>(text.size());
  }
  void SetAccessibleTitle(const std::string& title) override { State.AccessibleName = title; }
};

class TFakeColumnLabel : public TFakeDriver<IColumnLabelDriver> {
 public:
  void SetColumns(const std::string& text, const std::vector<int>& /*lefts*/,
                  int /*width*/) override {
    State.Text = text;
  }
};

class TFakeButton : public TFakeDriver<IButtonDriver> {
 public:
  void SetDefault(bool isDefault) override { State.Default = isDefault; }
};

class TFakeCheckBox : public TFakeDriver<ICheckBoxDriver> {
 public:
  bool Checked() const override { return State.Checked; }
  void SetChecked(bool checked) override { State.Checked = checked; }
};

// A typed character goes through the edit's key handler; it replaces the text when the whole
// text is selected, else it is added (Backspace takes the last one away).
class TFakeEdit : public TFakeDriver<IEditDriver> {
 public:
  explicit TFakeEdit(TEdit& edit) : edit_(edit) {}
  std::string Text() const override { return State.Text; }
  void SetText(const std::string& text) override {
    State.Text = text;
    State.AllSelected = false;
  }
  void SetMaxLength(int /*length*/) override {}
  void SelectAll() override { State.AllSelected = true; }
  void Type(char c) {
    const char kept = edit_.KeyPress(c);
    if (kept == '\0') return;
    if (State.AllSelected) State.Text.clear();
    State.AllSelected = false;
    if (kept != '\b') {
      State.Text += kept;
    } else if (!State.Text.empty()) {
      State.Text.pop_back();
    }
  }

 private:
  TEdit& edit_;
};

// The focus, when it is in the list, follows the selection.
class TFakeRadioGroup : public TFakeDriver<IRadioGroupDriver> {
 public:
  void SetItems(const std::vector<std::string>& items) override { State.Items = items; }
  void SetItemIndex(int index) override {
    State.ItemIndex = index;
    if (Focused() && index >= 0) focusedItem_ = index;
  }
  void SetFocus() override { FocusItem(std::max(State.ItemIndex, 0)); }
  void FocusItem(int index) override {
    TFakeDriver::SetFocus();
    focusedItem_ = index;
  }
  int FocusedItem() const override { return Focused() ? focusedItem_ : -1; }

 private:
  int focusedItem_ = -1;
};

// A form is on the screen as soon as it is shown.
class TFakeForm : public TFakeDriver<IFormDriver> {
 public:
  explicit TFakeForm(TForm& form) : form_(form) { State.Visible = false; }
  void SetVisible(bool visible) override {
    State.Visible = visible;
    if (visible) form_.Shown();
  }
  void MoveTo(int left, int top) override {
    State.Bounds = {left, top, State.Bounds.Width, State.Bounds.Height};
  }
  void SetBounds(const TRect& bounds) override {
    State.Bounds = {State.Bounds.Left, State.Bounds.Top, bounds.Width, bounds.Height};
  }
  void SetPosition(TPosition /*position*/) override {}
  void ShowModal() override {
    SetVisible(true);
    TFakeToolkit& toolkit = TFakeToolkit::Instance();
    if (toolkit.OnModal) toolkit.OnModal(form_);
    if (State.Visible) Close();
  }
  void Close() override {
    State.Visible = false;
    form_.Closed();
  }
  void SetKeyPreview(bool /*preview*/) override {}
  void SetTabOrder(const std::vector<IControlDriver*>& /*order*/) override {}
  void Announce(const std::string& text) override {
    TFakeToolkit::Instance().Announced.push_back(text);
  }

 private:
  TForm& form_;
};

}  // namespace

// Notes whether it runs, so that TickTimers can tick it.
class TFakeTimer : public ITimerDriver {
 public:
  explicit TFakeTimer(TTimer& timer) : timer_(timer) {}
  ~TFakeTimer() override { Stop(); }
  bool Start(int /*intervalMs*/) override {
    Stop();
    TFakeToolkit::Instance().running_.push_back(&timer_);
    return true;
  }
  void Stop() override { std::erase(TFakeToolkit::Instance().running_, &timer_); }

 private:
  TTimer& timer_;
};

TFakeToolkit& TFakeToolkit::Instance() {
  static TFakeToolkit toolkit;
  return toolkit;
}

void TFakeToolkit::Reset() {
  OnModal = {};
  OnBox = {};
  Boxes.clear();
  Beeps = 0;
  Opened.clear();
  Announced.clear();
  NextSeed = 1;
  Focus = nullptr;
}

const TFakeState& TFakeToolkit::StateOf(const IControlDriver& driver) {
  return dynamic_cast<const TFakeHolder&>(driver).State;
}

void TFakeToolkit::Start(int& /*argc*/, char** /*argv*/, const std::string& /*desktopId*/) {}

int TFakeToolkit::Run(TForm& mainForm) {
  mainForm.Show();
  return 0;
}

std::unique_ptr<IFormDriver> TFakeToolkit::CreateForm(TForm& form, IFormDriver* /*owner*/,
                                                      TFormBorder /*border*/) {
  return std::make_unique<TFakeForm>(form);
}

std::unique_ptr<IPanelDriver> TFakeToolkit::CreatePanel(TPanel&, IControlDriver&) {
  return std::make_unique<TFakePanel>();
}

std::unique_ptr<ILabelDriver> TFakeToolkit::CreateLabel(TLabel&, IControlDriver&) {
  return std::make_unique<TFakeLabel>();
}

std::unique_ptr<IColumnLabelDriver> TFakeToolkit::CreateColumnLabel(TColumnLabel&,
                                                                    IControlDriver&) {
  return std::make_unique<TFakeColumnLabel>();
}

std::unique_ptr<IButtonDriver> TFakeToolkit::CreateButton(TButton&, IControlDriver&) {
  return std::make_unique<TFakeButton>();
}

std::unique_ptr<ICheckBoxDriver> TFakeToolkit::CreateCheckBox(TCheckBox&, IControlDriver&) {
  return std::make_unique<TFakeCheckBox>();
}

std::unique_ptr<IEditDriver> TFakeToolkit::CreateEdit(TEdit& edit, IControlDriver&) {
  return std::make_unique<TFakeEdit>(edit);
}

std::unique_ptr<IRadioGroupDriver> TFakeToolkit::CreateRadioGroup(TRadioGroup&, IControlDriver&) {
  return std::make_unique<TFakeRadioGroup>();
}

std::unique_ptr<IControlDriver> TFakeToolkit::CreateStaticText(TStaticText&, IControlDriver&) {
  return std::make_unique<TFakeDriver<IControlDriver>>();
}

std::unique_ptr<ITimerDriver> TFakeToolkit::CreateTimer(TTimer& timer) {
  return std::make_unique<TFakeTimer>(timer);
}

// As a backend reports them: the key to the form, and unless it was a dialog key, the character
// to the form's key preview and then to the focused edit box.
void TFakeToolkit::PressKey(TForm& form, TKey key, TShift shift, char typed) {
  if (form.KeyDown(key, shift) || typed == '\0') return;
  form.KeyPress(typed);
  if (auto* edit = dynamic_cast<TFakeEdit*>(const_cast<IControlDriver*>(Focus))) edit->Type(typed);
}

void TFakeToolkit::TickTimers() {
  const std::vector<TTimer*> running = running_;
  for (TTimer* timer : running) {
    if (std::find(running_.begin(), running_.end(), timer) != running_.end()) timer->Fire();
  }
}

void TFakeToolkit::ShowBox(TFakeBox box) {
  Boxes.push_back(box);
  if (OnBox) OnBox(box);
}

void TFakeToolkit::ShowMessage(TForm* owner, const std::string& text) {
  ShowBox({text, false, owner});
}

void TFakeToolkit::ShowError(const std::string& text) {
  ShowBox({text, true, nullptr});
}

void TFakeToolkit::ShellOpen(TForm* /*owner*/, const std::string& path) {
  Opened.push_back(path);
}

bool TFakeToolkit::FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error) && !std::filesystem::is_directory(path, error);
}

}  // namespace gapwise::fake

namespace gapwise {

IToolkit& Toolkit() {
  return fake::TFakeToolkit::Instance();
}

}  // namespace gapwise
