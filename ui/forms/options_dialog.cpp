#include "ui/forms/options_dialog.h"

#include <array>
#include <cstdint>
#include <string>

#include "engine/convert.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/services.h"

namespace gapwise {
namespace {

constexpr char kBackspace = 8;
constexpr int kEdit1MaxLength = 3;  // characters the user can put into the time-limit box

TCheckBox* MakeCheckBox(TForm& form, const char* name, const char* caption, const TRect& bounds) {
  auto* box = form.Make<TCheckBox>(bounds, caption);
  box->SetName(name);
  return box;
}

TButton* MakeButton(TForm& form, const char* name, const char* caption, const TRect& bounds) {
  auto* button = form.Make<TButton>(bounds, caption);
  button->SetName(name);
  return button;
}

}  // namespace

TForm2::TForm2(TForm* owner, TDrillSettings& settings)
    : settings_(settings), form_(std::make_unique<TForm>(owner, bsDialog)) {
  form_->SetName("Form2");
  CreateControls();
  FormCreate();
}

TForm2::~TForm2() = default;

void TForm2::CreateControls() {
  TForm& form = *form_;
  form.SetCaption("Options");
  form.SetClientSize(204, 390);
  form.SetFont(FontOf(16));
  form.SetPosition(poOwnerFormCenter);
  CheckBox1 = MakeCheckBox(form, "CheckBox1", "Addition questions", {16, 16, 161, 33});
  CheckBox2 = MakeCheckBox(form, "CheckBox2", "Subtraction questions", {16, 56, 161, 33});
  CheckBox3 = MakeCheckBox(form, "CheckBox3", "Multiplication questions", {16, 96, 161, 33});
  CheckBox4 = MakeCheckBox(form, "CheckBox4", "Division questions", {16, 136, 161, 33});
  CheckBox6 = MakeCheckBox(form, "CheckBox6", "Show right answer ", {16, 176, 169, 33});
  CheckBox5 = MakeCheckBox(form, "CheckBox5", "Time limit", {16, 224, 89, 33});
  Edit1 = form.Make<TEdit>(TRect{104, 230, 33, 27});
  Edit1->SetName("Edit1");
  Edit1->SetAccessibleName("Time limit in seconds");  // what a screen reader calls it
  Edit1->SetMaxLength(kEdit1MaxLength);
  Edit1->OnKeyPress = [this](char& key) { Edit1KeyPress(key); };
  Label1 = form.Make<TLabel>(TRect{144, 230, 0, 19}, "secs", true);
  Label1->SetName("Label1");
  Label1->SetHint("secs");
  CheckBox7 = MakeCheckBox(form, "CheckBox7", "Multiple choice", {16, 272, 161, 41});
  Button1 = MakeButton(form, "Button1", "OK", {16, 336, 73, 25});
  Button2 = MakeButton(form, "Button2", "Cancel", {112, 336, 73, 25});
  // An error raised by OK (a pasted text that is no number) ends the command in the error box;
  // the dialog stays open.
  Button1->OnClick = [this] { Button1Click(); };
  Button2->OnClick = [this] { Button2Click(); };
  form.SetTabOrder({CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, Edit1, Button1, Button2,
                    CheckBox6, CheckBox7});
}

void TForm2::ShowModal() {
  form_->ShowModal();
}

void TForm2::FormCreate() {
  // The boxes of the kinds the game deals, also from out-of-range stored settings, so that OK
  // without changes keeps dealing the same kinds.
  const std::array<TCheckBox*, kKindCount> kinds{CheckBox1, CheckBox2, CheckBox3, CheckBox4};
  const std::array<bool, kKindCount> dealt = KindsDealt(settings_);
  for (int code = 0; code < kKindCount; ++code) kinds[code]->SetChecked(dealt[code]);
  if (settings_.ShowRight) CheckBox6->SetChecked(true);
  if (settings_.TimeLimited) {
    CheckBox5->SetChecked(true);
    Edit1->SetText(std::to_string(settings_.TimeLimit));
  }
  if (settings_.MultChoice) CheckBox7->SetChecked(true);
}

// Only digits and Backspace reach the box; every other character becomes code 17, which the box
// does not insert.
void TForm2::Edit1KeyPress(char& key) {
  if (key != kBackspace && (key < '0' || key > '9')) key = kNotInserted;
}

void TForm2::Button1Click() {
  const std::array<TCheckBox*, kKindCount> kinds{CheckBox1, CheckBox2, CheckBox3, CheckBox4};
  std::uint8_t n = 0;
  for (std::uint8_t code = 0; code < kKindCount; ++code) {
    if (kinds[code]->Checked()) settings_.Ops[n++] = code;
  }
  if (n == 0) return ShowMessage(form_.get(), "Please select at least one question type.");
  settings_.Checked = n;
  settings_.ShowRight = CheckBox6->Checked();
  settings_.MultChoice = CheckBox7->Checked();
  if (!CheckBox5->Checked()) {
    settings_.TimeLimited = false;
    return form_->Close();
  }
  const std::string text = Edit1->Text();
  if (text.empty() || text == "0") {
    return ShowMessage(form_.get(), "Please enter a valid time limit");
  }
  const std::int32_t v = StrToInt(text);
  if (v < 5) return ShowMessage(form_.get(), "Time limit can be at least 5 secs.");
  settings_.TimeLimit = v;
  settings_.TimeLimited = true;
  form_->Close();
}

void TForm2::Button2Click() {
  form_->Close();
}

}  // namespace gapwise
