#include "ui/toolkit/qt/dialog_form.h"

#include <QKeyEvent>
#include <QPushButton>

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

void TDialogForm::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
    return;
  }
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

}  // namespace gapwise::qt
