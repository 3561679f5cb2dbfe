// A toolkit without a screen, for tests of the forms' logic: every driver records what it was
// told, modal forms and message boxes run a test's handler instead of an event loop, timers tick
// only through TTimer::Fire or TickTimers, and the shell's opener records the paths it is given.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/toolkit/drivers.h"
#include "ui/toolkit/keys.h"

namespace gapwise::fake {

// What a fake driver holds of its control.
struct TFakeState {
  std::string Name;
  TRect Bounds;
  bool Visible = true;
  std::string Text;
  TFont Font;
  TColor Color = clNone;
  std::string AccessibleName;
  std::string AccessibleDescription;
  std::vector<std::string> Items;  // a radio group's
  int ItemIndex = -1;
  bool Checked = false;      // a check box's
  bool Default = false;      // a button's
  bool AllSelected = false;  // an edit box's whole text
};

// A message box or error box as it was shown.
struct TFakeBox {
  std::string Text;
  bool Error = false;
  TForm* Owner = nullptr;
};

class TFakeToolkit : public IToolkit {
 public:
  // The fake toolkit of the program (what Toolkit() gives), cleared of what earlier tests left.
  static TFakeToolkit& Instance();
  void Reset();

  // The state that the driver of a control holds.
  static const TFakeState& StateOf(const IControlDriver& driver);

  // Called while a form is shown modally: the test acts on it, then closes it (or the form is
  // closed for it when the handler returns).
  std::function<void(TForm& form)> OnModal;
  // Called while a message box or error box is open, with its text.
  std::function<void(const TFakeBox& box)> OnBox;

  std::vector<TFakeBox> Boxes;
  int Beeps = 0;
  std::vector<std::string> Opened;  // paths handed to the shell
  std::vector<std::string> Announced;
  std::uint32_t NextSeed = 1;
  const IControlDriver* Focus = nullptr;
  // The key goes down on the focused control of the form (Focus), typing the character (0 for
  // none).
  void PressKey(TForm& form, TKey key, TShift shift, char typed);
  // The time of one interval passes: every running timer ticks once.
  void TickTimers();

  void Start(int& argc, char** argv, const std::string& desktopId) override;
  void Stop() override {}
  int Run(TForm& mainForm) override;

  std::unique_ptr<IFormDriver> CreateForm(TForm& form, IFormDriver* owner,
                                          TFormBorder border) override;
  std::unique_ptr<IPanelDriver> CreatePanel(TPanel& panel, IControlDriver& parent) override;
  std::unique_ptr<ILabelDriver> CreateLabel(TLabel& label, IControlDriver& parent) override;
  std::unique_ptr<IColumnLabelDriver> CreateColumnLabel(TColumnLabel& label,
                                                        IControlDriver& parent) override;
  std::unique_ptr<IButtonDriver> CreateButton(TButton& button, IControlDriver& parent) override;
  std::unique_ptr<ICheckBoxDriver> CreateCheckBox(TCheckBox& box, IControlDriver& parent) override;
  std::unique_ptr<IEditDriver> CreateEdit(TEdit& edit, IControlDriver& parent) override;
  std::unique_ptr<IRadioGroupDriver> CreateRadioGroup(TRadioGroup& group,
                                                      IControlDriver& parent) override;
  std::unique_ptr<IControlDriver> CreateStaticText(TStaticText& text,
                                                   IControlDriver& parent) override;
  std::unique_ptr<ITimerDriver> CreateTimer(TTimer& timer) override;

  void ShowMessage(TForm* owner, const std::string& text) override;
  void ShowError(const std::string& text) override;
  void Beep() override { ++Beeps; }
  void ShellOpen(TForm* owner, const std::string& path) override;
  bool FileExists(const std::string& path) override;
  std::uint32_t Seed() override { return NextSeed; }
  char PathDelimiter() const override { return '/'; }

 private:
  friend class TFakeTimer;
  void ShowBox(TFakeBox box);
  std::vector<TTimer*> running_;
};

// The toolkit's state of a control.
template <class TControlClass>
const TFakeState& State(const TControlClass& control) {
  return TFakeToolkit::StateOf(control.Driver());
}

}  // namespace gapwise::fake
