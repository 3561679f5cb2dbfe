// The frame, font, controls and keys shared by the program's modal dialogs.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;

namespace gapwise {

// A fixed-size dialog with a title bar and close button only, on the button-face colour, in
// Times New Roman 16 px. It has no default and no cancel button: Enter presses the focused
// push button only, and Esc does nothing.
class TDialogForm : public QDialog {
  Q_OBJECT

 public:
  TDialogForm(QWidget* owner, const QString& caption, QSize client);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, QRect rect);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect);

// A label of fixed size with its text placed by `alignment`.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect rect,
                  Qt::Alignment alignment);

// A label that sizes its width to its text, at `topLeft`, `height` pixels high.
QLabel* MakeAutoSizeLabel(QWidget* parent, const char* name, const QString& caption, QPoint topLeft,
                          int height);

}  // namespace gapwise
