// The one-line edit box: every typed character passes the control's key handler first, and the
// user's typing and pasting keep within the length limit, while the program may set any text.
// With a key handler, which may drop the shortcuts' characters, its context menu shows its
// commands without shortcuts. A screen reader hears the box's focus before its text is selected
// on the way in, and no change of selection on the way out: the selection stays, unseen, while
// the box has no focus.
#pragma once

#include <QLineEdit>

namespace gapwise {
class TEdit;
}

namespace gapwise::qt {

class TEditBox : public QLineEdit {
 public:
  TEditBox(TEdit& edit, QWidget* parent);

  void SetProgramText(const QString& text);
  void SetUserLimit(int length);  // 0 for none

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool Drops(const QKeyEvent& key);
  void Edited(const QString& text);
  void ShowSelection(bool shown);

  TEdit& edit_;
  int limit_ = 0;
  QString before_;  // the text before the user's last edit
};

// The character a key press types into a box, as the box would see it; 0 for a key that types
// none (arrows, Home, End, Delete). Control combinations type their control code, so Ctrl+V is
// 22; a character beyond Latin-1 is 127.
int TypedCharacter(const QKeyEvent& key);

}  // namespace gapwise::qt
