// The options dialog: shows the running game's drill settings and writes them back on OK.
#pragma once

#include <QString>

#include "engine/types.h"
#include "settings/dialog/dialog_form.h"

class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace gapwise {

// Made anew for every use and shown modally; keeps no copy of the settings: OK writes each
// value into `settings` at its step, so a validation message leaves the earlier steps in force.
class TForm2 : public TDialogForm {
  Q_OBJECT

 public:
  TForm2(QWidget* owner, TDrillSettings& settings);

 private:
  void CreateControls();
  void SetTabOrder();
  void FormCreate();
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Filters a key typed into Edit1 before the box handles it; true when it is dropped.
  bool Edit1KeyPress(const QKeyEvent& key);
  void Edit1Edited(const QString& text);
  void Button1Click();
  void Button2Click();

  TDrillSettings& settings_;
  QCheckBox* CheckBox1 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QCheckBox* CheckBox3 = nullptr;
  QCheckBox* CheckBox4 = nullptr;
  QCheckBox* CheckBox5 = nullptr;
  QCheckBox* CheckBox6 = nullptr;
  QCheckBox* CheckBox7 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QString edit1Text_;  // the text of Edit1 before the user's last edit
};

}  // namespace gapwise
