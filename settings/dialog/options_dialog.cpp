#include "settings/dialog/options_dialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cstdint>

#include "engine/convert.h"
#include "settings/dialog/dialog_form.h"
#include "ui/toolkit/application.h"
#include "ui/toolkit/message_box.h"

namespace gapwise {
namespace {

constexpr int kBackspace = 8;
constexpr int kEdit1MaxLength = 3;  // characters the user can put into the time-limit box

// The character a key press types into the box, as the box would see it; 0 for a key that
// types none (arrows, Home, End, Delete). Control combinations type their control code, so
// Ctrl+V is 22.
int TypedCharacter(const QKeyEvent& key) {
  const bool control = key.modifiers() & Qt::ControlModifier;
  if (control && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) {
    return key.key() - Qt::Key_A + 1;
  }
  if (key.key() == Qt::Key_Backspace) return control ? 127 : kBackspace;
  if (key.key() == Qt::Key_Delete || key.text().isEmpty()) return 0;
  return key.text().at(0).unicode();
}

// True for the characters the time-limit box takes: the digits and Backspace. Every other
// character is replaced by code 17, which the box does not insert.
bool PassesTimeLimitFilter(int character) {
  return character == kBackspace || (character >= '0' && character <= '9');
}

// Keyboard clipboard commands that type no character (Shift+Insert, Shift+Delete) would still
// put other text into the box; they are dropped as well.
bool IsClipboardKey(const QKeyEvent& key) {
  return key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut);
}

}  // namespace

TForm2::TForm2(QWidget* owner, TDrillSettings& settings)
    : TDialogForm(owner, "Options", QSize(204, 390)), settings_(settings) {
  setObjectName("Form2");
  CreateControls();
  SetTabOrder();
  FormCreate();
}

void TForm2::CreateControls() {
  CheckBox1 = MakeCheckBox(this, "CheckBox1", "Addition questions", QRect(16, 16, 161, 33));
  CheckBox2 = MakeCheckBox(this, "CheckBox2", "Subtraction questions", QRect(16, 56, 161, 33));
  CheckBox3 = MakeCheckBox(this, "CheckBox3", "Multiplication questions", QRect(16, 96, 161, 33));
  CheckBox4 = MakeCheckBox(this, "CheckBox4", "Division questions", QRect(16, 136, 161, 33));
  CheckBox6 = MakeCheckBox(this, "CheckBox6", "Show right answer ", QRect(16, 176, 169, 33));
  CheckBox5 = MakeCheckBox(this, "CheckBox5", "Time limit", QRect(16, 224, 89, 33));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setAccessibleName("Time limit in seconds");  // what a screen reader calls it
  Edit1->setGeometry(104, 230, 33, 27);
  // The box takes 3 characters from the keyboard and the clipboard; the program may put in more.
  connect(Edit1, &QLineEdit::textEdited, this, &TForm2::Edit1Edited);
  Edit1->setAcceptDrops(false);
  Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
  Edit1->installEventFilter(this);
  Label1 = MakeAutoSizeLabel(this, "Label1", "secs", QPoint(144, 230), 19);
  CheckBox7 = MakeCheckBox(this, "CheckBox7", "Multiple choice", QRect(16, 272, 161, 41));
  Button1 = MakeButton(this, "Button1", "OK", QRect(16, 336, 73, 25));
  Button2 = MakeButton(this, "Button2", "Cancel", QRect(112, 336, 73, 25));
  // An error raised by OK (a pasted text that is no number) ends the command in the error box;
  // the dialog stays open.
  connect(Button1, &QPushButton::clicked, this, [this] { RunHandler([this] { Button1Click(); }); });
  connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
}

void TForm2::SetTabOrder() {
  const std::array<QWidget*, 10> order{CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5,
                                       Edit1,     Button1,   Button2,   CheckBox6, CheckBox7};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void TForm2::FormCreate() {
  // The boxes of the kinds the game deals, also from out-of-range stored settings, so that OK
  // without changes keeps dealing the same kinds.
  const std::array<QCheckBox*, kKindCount> kinds{CheckBox1, CheckBox2, CheckBox3, CheckBox4};
  const std::array<bool, kKindCount> dealt = KindsDealt(settings_);
  for (int code = 0; code < kKindCount; ++code) kinds[code]->setChecked(dealt[code]);
  if (settings_.ShowRight) CheckBox6->setChecked(true);
  if (settings_.TimeLimited) {
    CheckBox5->setChecked(true);
    edit1Text_ = QString::number(settings_.TimeLimit);
    Edit1->setText(edit1Text_);
  }
  if (settings_.MultChoice) CheckBox7->setChecked(true);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::KeyPress) {
    return Edit1KeyPress(static_cast<const QKeyEvent&>(*event));
  }
  return TDialogForm::eventFilter(watched, event);
}

bool TForm2::Edit1KeyPress(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return false;  // dialog keys
  const int character = TypedCharacter(key);
  if (character == 0) return IsClipboardKey(key);
  if (!PassesTimeLimitFilter(character)) return true;
  const auto kept = Edit1->text().size() - Edit1->selectedText().size();
  return character != kBackspace && kept >= kEdit1MaxLength;
}

// An edit that makes the text longer than the box takes (a paste from its context menu) is
// undone; shortening a longer text that the program put there is not.
void TForm2::Edit1Edited(const QString& text) {
  if (text.size() > kEdit1MaxLength && text.size() > edit1Text_.size()) {
    Edit1->setText(edit1Text_);
  } else {
    edit1Text_ = text;
  }
}

void TForm2::Button1Click() {
  const std::array<QCheckBox*, kKindCount> kinds{CheckBox1, CheckBox2, CheckBox3, CheckBox4};
  std::uint8_t n = 0;
  for (std::uint8_t code = 0; code < kKindCount; ++code) {
    if (kinds[code]->isChecked()) settings_.Ops[n++] = code;
  }
  if (n == 0) return ShowMessage(this, "Please select at least one question type.");
  settings_.Checked = n;
  settings_.ShowRight = CheckBox6->isChecked();
  settings_.MultChoice = CheckBox7->isChecked();
  if (!CheckBox5->isChecked()) {
    settings_.TimeLimited = false;
    return accept();
  }
  const QString text = Edit1->text();
  if (text.isEmpty() || text == "0") return ShowMessage(this, "Please enter a valid time limit");
  const std::int32_t v = StrToInt(text.toStdString());
  if (v < 5) return ShowMessage(this, "Time limit can be at least 5 secs.");
  settings_.TimeLimit = v;
  settings_.TimeLimited = true;
  accept();
}

void TForm2::Button2Click() {
  reject();
}

}  // namespace gapwise
