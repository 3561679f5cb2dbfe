// The frame and keys of the program's modal dialogs.
#pragma once

#include <QDialog>

namespace gapwise::qt {

// A dialog with a title bar and close button only. It has no cancel button: Esc does nothing, and
// Enter only what the form makes of it. Centred, it opens over the middle
// of its owner's whole window, title bar included.
class TDialogForm : public QDialog {
  Q_OBJECT

 public:
  explicit TDialogForm(QWidget* owner);

  void SetCentred(bool centred) { centred_ = centred; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool centred_ = false;
};

// Where the client area of a window `client` large goes so that its frame is centred over
// `ownerFrame`, the frame around `ownerClient` (both on the screen): the window's frame is taken
// to add to its client area what the owner's frame adds to its own (the same title bar and
// borders).
QRect CentredOver(const QRect& ownerFrame, const QRect& ownerClient, const QSize& client);

}  // namespace gapwise::qt
