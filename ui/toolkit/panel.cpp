#include "ui/toolkit/panel.h"

#include <QPainter>

namespace gapwise {

TPanel::TPanel(QWidget* parent, const QRect& bounds, const QColor& color)
    : QWidget(parent), color_(color) {
  setGeometry(bounds);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const int right = width() - 1;
  const int bottom = height() - 1;
  painter.fillRect(rect(), color_);
  painter.setPen(kBevelShadow);
  painter.drawLine(0, 0, right, 0);
  painter.drawLine(0, 0, 0, bottom);
  painter.setPen(kBevelHighlight);
  painter.drawLine(0, bottom, right, bottom);
  painter.drawLine(right, 0, right, bottom);
}

QWidget* MakeRule(QWidget* parent, const QRect& bounds, const QColor& color) {
  auto* rule = new QWidget(parent);
  rule->setGeometry(bounds);
  QPalette palette = rule->palette();
  palette.setColor(QPalette::Window, color);
  rule->setPalette(palette);
  rule->setAutoFillBackground(true);
  return rule;
}

}  // namespace gapwise
