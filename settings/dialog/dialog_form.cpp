#include "settings/dialog/dialog_form.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "ui/toolkit/fonts.h"

namespace gapwise {

TDialogForm::TDialogForm(QWidget* owner, const QString& caption, QSize client)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
  setWindowTitle(caption);
  setFixedSize(client);
  setFont(PixelFont(16));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::Button));
  setPalette(colours);
  setAutoFillBackground(true);
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

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, QRect rect) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  // A caption longer than its box would be cut off: the box then reaches as far right as its
  // caption needs, within the dialog.
  const QStyle* style = box->style();
  const int needed = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                     style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
                     QFontMetrics(box->font()).horizontalAdvance(caption) + 2;
  const int room = parent->width() - rect.left();
  rect.setWidth(std::max(rect.width(), std::min(needed, room)));
  box->setGeometry(rect);
  return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setGeometry(rect);
  return button;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect rect,
                  Qt::Alignment alignment) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setAlignment(alignment);
  label->setGeometry(rect);
  return label;
}

QLabel* MakeAutoSizeLabel(QWidget* parent, const char* name, const QString& caption, QPoint topLeft,
                          int height) {
  auto* label = MakeLabel(parent, name, caption, QRect(topLeft, QSize(1, height)),
                          Qt::AlignLeft | Qt::AlignTop);
  label->resize(QFontMetrics(label->font()).horizontalAdvance(caption), height);
  label->setToolTip(caption);  // the whole text, should the dialog's edge cut it off
  return label;
}

}  // namespace gapwise
