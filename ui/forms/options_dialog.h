// The options dialog: shows the running game's drill settings and writes them back on OK.
#pragma once

#include <memory>

#include "engine/types.h"

namespace gapwise {

class TButton;
class TCheckBox;
class TEdit;
class TForm;
class TLabel;

// The Options dialog. Made anew for every use and shown modally; keeps no copy of the settings:
// Button1 "OK" writes each value into `settings` at its step, so a validation message leaves the
// earlier steps in force; Button2 "Cancel" closes it and changes nothing.
class TForm2 {
 public:
  TForm2(TForm* owner, TDrillSettings& settings);
  ~TForm2();

  TForm& Form() const { return *form_; }
  void ShowModal();

  TCheckBox* CheckBox1 = nullptr;
  TCheckBox* CheckBox2 = nullptr;
  TCheckBox* CheckBox3 = nullptr;
  TCheckBox* CheckBox4 = nullptr;
  TCheckBox* CheckBox5 = nullptr;
  TCheckBox* CheckBox6 = nullptr;
  TCheckBox* CheckBox7 = nullptr;
  TEdit* Edit1 = nullptr;
  TLabel* Label1 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;

 private:
  void CreateControls();
  void FormCreate();
  void Edit1KeyPress(char& key);
  void Button1Click();
  void Button2Click();

  TDrillSettings& settings_;
  std::unique_ptr<TForm> form_;
};

}  // namespace gapwise
