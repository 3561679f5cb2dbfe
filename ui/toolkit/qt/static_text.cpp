#include "ui/toolkit/qt/static_text.h"

#include <QPainter>

#include "ui/toolkit/qt/accessible_text.h"
#include "ui/toolkit/qt/panel.h"

namespace gapwise::qt {
namespace {

constexpr int kBorder = 2;
const QColor kDarkShadow(105, 105, 105);

// One ring of a bevel: first colour on the top and left edges, second on the bottom and right.
void Ring(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  painter.setPen(topLeft);
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(bottomRight);
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace

TStaticText::TStaticText(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TStaticText::SetCaption(const QString& caption) {
  const QString before = caption_;
  caption_ = caption;
  NotifyTextChange(this, before, caption_);
  update();
}

// Raised outside, lowered inside; the text centred at the top of the space within.
void TStaticText::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  Ring(painter, rect(), kBevelHighlight, kDarkShadow);
  Ring(painter, rect().adjusted(1, 1, -1, -1), kBevelShadow, kBevelHighlight);
  painter.setPen(palette().color(QPalette::WindowText));
  const QRect inside = rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
  painter.drawText(inside, Qt::AlignHCenter | Qt::AlignTop, caption_);
}

}  // namespace gapwise::qt
