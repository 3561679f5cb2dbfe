// The info dialog: the product's name and version and how to reach its maker.
#pragma once

#include "settings/dialog/dialog_form.h"

class QLabel;
class QPushButton;

namespace gapwise {

// Made anew for every use of the Info command and shown modally; changes no state. "OK" and
// the title bar's close button close it.
class TForm3 : public TDialogForm {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* owner);

 private:
  void CreateControls();
  void Button1Click();

  QLabel* Label1 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QPushButton* Button1 = nullptr;
};

}  // namespace gapwise
