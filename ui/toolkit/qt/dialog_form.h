// The frame and keys of the program's modal dialogs.
#pragma once

#include <QDialog>

namespace gapwise::qt {

// A dialog with a title bar and close button only. It has no default and no cancel button: Enter
// presses the focused push button only, and Esc does nothing.
class TDialogForm : public QDialog {
  Q_OBJECT

 public:
  explicit TDialogForm(QWidget* owner);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace gapwise::qt
