#include "tools/worksheet_puzzle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace gapwise {
namespace {

constexpr double kCellFontSize = 21;  // the puzzle area's pixels
constexpr double kNumberSize = 10;    // points
constexpr double kChoiceSize = 11;
constexpr double kCircle = 8;
const QColor kCellFrame(190, 190, 190);
const QColor kGapFrame(60, 60, 60);

QRectF RectF(const TPixelRect& r) {
  return QRectF(r.Left, r.Top, r.Width, r.Height);
}

// Each character stands centred in its column, as in the window; hidden ones are left out, or
// drawn red with showMask.
void DrawCell(QPainter& painter, const std::string& text, const TCellBox& box, bool showMask) {
  const QFontMetricsF metrics(painter.font(), painter.device());
  const std::vector<int> lefts = CellColumns(text, box);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const QChar c = QLatin1Char(text[i]);
    if (c == QLatin1Char(' ') || (c == QLatin1Char('?') && !showMask)) continue;
    painter.setPen(c == QLatin1Char('?') ? Qt::red : Qt::black);
    const double inset = (kCellCharWidth - metrics.horizontalAdvance(c)) / 2;
    painter.drawText(QPointF(lefts[i] + inset, box.Top + metrics.ascent()), QString(c));
  }
}

void DrawSign(QPainter& painter, TPuzzleKind kind) {
  const std::optional<TSign> sign = SignOf(kind);
  if (!sign) return;
  painter.setPen(Qt::black);
  painter.drawText(RectF(sign->Box), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromStdString(sign->Text));
}

// In the puzzle area's pixels: the window's cells, sign, rules and mask.
void DrawArea(QPainter& painter, const TPuzzle& puzzle, bool showMask) {
  const TPuzzleLayout layout = LayoutPuzzle(puzzle);
  painter.setFont(SheetFont(kCellFontSize));
  DrawSign(painter, puzzle.Kind);
  for (std::size_t i = 0; i < layout.Texts.size(); ++i) {
    DrawCell(painter, layout.Texts[i], layout.Boxes[i], showMask);
  }
  for (const TPixelRect& rule : RuleLines(layout)) painter.fillRect(RectF(rule), Qt::black);
  if (showMask) return;
  painter.setPen(QPen(kGapFrame, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(RectF(GapBox(layout, puzzle)).adjusted(0.5, 0.5, -0.5, -0.5));
}

void DrawChoices(QPainter& painter, const std::vector<std::string>& choices,
                 const TPuzzlePlace& place) {
  painter.setFont(SheetFont(kChoiceSize));
  const double step =
      place.Cell.Width / static_cast<double>(std::max<std::size_t>(choices.size(), 1));
  const double baseline = place.ChoicesTop + kChoiceSize;
  for (std::size_t i = 0; i < choices.size(); ++i) {
    const double left = place.Cell.Left + step * static_cast<double>(i) + 6;
    painter.setPen(QPen(Qt::black, 0.7));
    painter.drawEllipse(QRectF(left, baseline - kCircle, kCircle, kCircle));
    painter.drawText(QPointF(left + kCircle + 3, baseline), QString::fromStdString(choices[i]));
  }
}

}  // namespace

QFont SheetFont(double size, bool bold) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);
  font.setPointSizeF(size);
  font.setBold(bold);
  return font;
}

void DrawPuzzle(QPainter& painter, const TSheetPuzzle& item, const TPuzzlePlace& place, int number,
                bool showMask) {
  const QRectF cell(place.Cell.Left, place.Cell.Top, place.Cell.Width, place.Cell.Height);
  painter.setPen(QPen(kCellFrame, 0.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(cell);
  painter.setPen(Qt::black);
  painter.setFont(SheetFont(kNumberSize, true));
  painter.drawText(QPointF(cell.left() + 5, cell.top() + 5 + kNumberSize),
                   QString::number(number) + QLatin1Char('.'));
  DrawChoices(painter, item.Choices, place);
  painter.save();
  painter.translate(place.OriginX, place.OriginY);
  painter.scale(place.Scale, place.Scale);
  DrawArea(painter, item.Puzzle, showMask);
  painter.restore();
}

}  // namespace gapwise
