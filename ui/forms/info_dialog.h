// The info dialog: the product's name and version and how to reach its maker.
#pragma once

#include <memory>

namespace gapwise {

class TButton;
class TForm;
class TLabel;

// The Info dialog. Made anew for every use of the Info command and shown modally; changes no
// state. Button1 "OK" and the title bar's close button close it.
class TForm3 {
 public:
  explicit TForm3(TForm* owner);
  ~TForm3();

  TForm& Form() const { return *form_; }
  void ShowModal();

  TLabel* Label1 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TButton* Button1 = nullptr;

 private:
  void CreateControls();
  void Button1Click();

  std::unique_ptr<TForm> form_;
};

}  // namespace gapwise
