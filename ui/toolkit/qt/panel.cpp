#include "ui/toolkit/qt/panel.h"

#include <QPainter>

namespace gapwise::qt {

TPanel::TPanel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::SetColor(const QColor& color) {
  color_ = color;
  update();
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

}  // namespace gapwise::qt
