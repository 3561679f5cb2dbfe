#include "ui/toolkit/qt/dialog_form.h"

#include <QKeyEvent>

namespace gapwise::qt {

TDialogForm::TDialogForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {}

QRect CentredOver(const QRect& ownerFrame, const QRect& ownerClient, const QSize& client) {
  const QSize frame = client + (ownerFrame.size() - ownerClient.size());
  const QPoint frameAt(ownerFrame.left() + (ownerFrame.width() - frame.width()) / 2,
                       ownerFrame.top() + (ownerFrame.height() - frame.height()) / 2);
  return {frameAt + (ownerClient.topLeft() - ownerFrame.topLeft()), client};
}

// Placed before the window is mapped, so that it never shows elsewhere first.
void TDialogForm::showEvent(QShowEvent* event) {
  const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
  if (centred_ && owner != nullptr && owner->isVisible()) {
    setGeometry(CentredOver(owner->frameGeometry(), owner->geometry(), size()));
  }
  QDialog::showEvent(event);
}

// The form has had Enter first (TFormKeys); neither it nor Esc closes the dialog.
void TDialogForm::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

}  // namespace gapwise::qt
