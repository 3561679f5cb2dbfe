#include "ui/toolkit/qt/column_label.h"

#include <QPainter>

namespace gapwise::qt {

TColumnLabel::TColumnLabel(QWidget* parent) : QWidget(parent) {}

void TColumnLabel::SetColumns(const QString& caption, const std::vector<int>& lefts, int width) {
  caption_ = caption;
  lefts_ = lefts;
  width_ = width;
  update();
}

void TColumnLabel::SetColors(const QColor& text, const QColor& background) {
  text_ = text;
  background_ = background;
  setAttribute(Qt::WA_OpaquePaintEvent, background.isValid());
  update();
}

// Each glyph is centred in its column, so that a "?" has blank pixels on both sides.
void TColumnLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (background_.isValid()) painter.fillRect(rect(), background_);
  painter.setPen(text_);
  const QFontMetrics metrics = fontMetrics();
  const auto count = std::min(static_cast<std::size_t>(caption_.size()), lefts_.size());
  for (std::size_t i = 0; i < count; ++i) {
    const QChar c = caption_[static_cast<qsizetype>(i)];
    if (c == QLatin1Char(' ')) continue;
    const int inset = (width_ - metrics.horizontalAdvance(c)) / 2;
    painter.drawText(QPoint(lefts_[i] + inset, metrics.ascent()), c);
  }
}

}  // namespace gapwise::qt
