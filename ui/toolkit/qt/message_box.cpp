#include "ui/toolkit/qt/message_box.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "ui/toolkit/qt/fonts.h"
#include "ui/toolkit/services.h"

namespace gapwise::qt {
namespace {

// Runs the box's own modal loop, in which timers keep firing.
void Run(QMessageBox& box) {
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  ok->setIcon(QIcon());  // a plain "OK", as the platform's message boxes have
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.show();  // lays the box out at its final size, so that it can be centred on the screen
  if (const QScreen* screen = box.screen()) {
    QRect frame = box.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    box.move(frame.topLeft());
  }
  box.exec();
}

}  // namespace

void ShowMessage(QWidget* owner, const QString& text) {
  // Centred on the screen rather than over the owner; the owner only keeps it above its window.
  QMessageBox box(QMessageBox::NoIcon, QtText(ApplicationTitle()), text, QMessageBox::NoButton);
  if (owner != nullptr && owner->window()->windowHandle() != nullptr) {
    box.winId();
    box.windowHandle()->setTransientParent(owner->window()->windowHandle());
  }
  box.setTextFormat(Qt::PlainText);
  Run(box);
}

void Beep() {
  QApplication::beep();
}

void ShowError(const QString& message) {
  QMessageBox box(QMessageBox::Critical, QtText(ApplicationTitle()), message,
                  QMessageBox::NoButton);
  box.setTextFormat(Qt::PlainText);
  Run(box);
}

}  // namespace gapwise::qt
