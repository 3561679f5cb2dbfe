#include "ui/toolkit/grid_label.h"

#include <QPainter>

#include "engine/layout.h"
#include "ui/toolkit/fonts.h"

namespace gapwise {
namespace {

constexpr int kCellFontPixels = 21;

}  // namespace

TGridColumns GridColumns(const QString& text) {
  return TextColumns(text.toStdString());
}

TGridLabel::TGridLabel(QWidget* parent, const QRect& bounds, bool rightAligned)
    : QWidget(parent), rightAligned_(rightAligned) {
  setGeometry(bounds);
  setFont(PixelFont(kCellFontPixels));
}

void TGridLabel::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TGridLabel::SetColors(const QColor& text, const QColor& background) {
  text_ = text;
  background_ = background;
  setAttribute(Qt::WA_OpaquePaintEvent, background.isValid());
  update();
}

void TGridLabel::SetGridOffset(int offset) {
  offset_ = offset;
  update();
}

std::vector<int> TGridLabel::ColumnLefts() const {
  const TGridColumns columns = GridColumns(caption_);
  const int start = rightAligned_ ? width() - columns.Width - offset_ : offset_;
  std::vector<int> lefts = columns.Lefts;
  for (int& left : lefts) left += start;
  return lefts;
}

// Each glyph is centred in its column, so that a "?" has blank pixels on both sides.
void TGridLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (background_.isValid()) painter.fillRect(rect(), background_);
  painter.setPen(text_);
  const QFontMetrics metrics = fontMetrics();
  const std::vector<int> lefts = ColumnLefts();
  for (int i = 0; i < caption_.size(); ++i) {
    const QChar c = caption_[i];
    if (c == QLatin1Char(' ')) continue;
    const int inset = (kCellCharWidth - metrics.horizontalAdvance(c)) / 2;  // not a blank
    painter.drawText(QPoint(lefts[static_cast<std::size_t>(i)] + inset, metrics.ascent()), c);
  }
}

TMaskLabel::TMaskLabel(QWidget* parent, const QPoint& at)
    : TGridLabel(parent, QRect(at, QSize(kCellCharWidth - 1, kMaskHeight)), false) {
  SetColors(Qt::red, Qt::white);
}

void TMaskLabel::SetMask(const QString& mask, int left, int top, int gridOffset) {
  SetCaption(mask);
  SetGridOffset(gridOffset);
  setGeometry(left, top, GridColumns(mask).Width - 1, kMaskHeight);
}

}  // namespace gapwise
