#include "tools/worksheet_puzzle.h"

#include <QFontMetricsF>
#include <QPainter>

namespace gapwise {
namespace {

constexpr double kNumberSize = 10;  // points
const QColor kCellFrame(190, 190, 190);
const QColor kGapFrame(60, 60, 60);

QRectF RectF(const TSheetRect& r) {
  return QRectF(r.Left, r.Top, r.Width, r.Height);
}

// Writes c centred in the column that starts at left, its digits' middle at middle.
void DrawCentred(QPainter& painter, QChar c, double left, double middle) {
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double inset = (kColumnWidth - metrics.horizontalAdvance(c)) / 2;
  painter.drawText(QPointF(left + inset, middle + metrics.capHeight() / 2), QString(c));
}

// Each character stands in its own column; hidden ones are left out, or drawn red with showMask.
void DrawCell(QPainter& painter, const TPuzzlePlace& place, const std::string& text,
              const TCellBox& box, bool showMask) {
  const std::vector<double> lefts = CellColumns(place, text, box);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const QChar c = QLatin1Char(text[i]);
    if (c == QLatin1Char(' ') || (c == QLatin1Char('?') && !showMask)) continue;
    painter.setPen(c == QLatin1Char('?') ? Qt::red : Qt::black);
    DrawCentred(painter, c, lefts[i], RowMiddle(place, box.Top));
  }
}

void DrawSign(QPainter& painter, const TPuzzlePlace& place, TPuzzleKind kind) {
  const std::optional<TSign> sign = SignOf(kind);
  if (!sign) return;
  painter.setPen(Qt::black);
  const double centre = place.X(sign->Box.Left + sign->Box.Width / 2.0);
  DrawCentred(painter, QLatin1Char(sign->Text.at(0)), centre - kColumnWidth / 2,
              RowMiddle(place, sign->Box.Top));
}

void DrawCalculation(QPainter& painter, const TPuzzlePlace& place, const TPuzzleLayout& layout,
                     const TPuzzle& puzzle, bool showMask) {
  painter.setFont(SheetFont(kDigitSize));
  DrawSign(painter, place, puzzle.Kind);
  for (std::size_t i = 0; i < layout.Texts.size(); ++i) {
    DrawCell(painter, place, layout.Texts[i], layout.Boxes[i], showMask);
  }
  for (const TPixelRect& rule : RuleLines(layout)) {
    painter.fillRect(RectF(RuleRect(place, rule)), Qt::black);
  }
  if (showMask) return;
  painter.setPen(QPen(kGapFrame, 1.0));
  painter.setBrush(Qt::NoBrush);
  for (const TSheetRect& box : GapBoxes(place, layout, puzzle)) {
    painter.drawRect(RectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
  }
}

void DrawChoices(QPainter& painter, const std::vector<std::string>& choices,
                 const TPuzzlePlace& place, const TPuzzleLayout& layout) {
  painter.setFont(SheetFont(kChoiceSize));
  const QFontMetricsF metrics(painter.font(), painter.device());
  for (std::size_t i = 0; i < choices.size(); ++i) {
    const QRectF circle = RectF(ChoiceCircle(place, layout, static_cast<int>(i)));
    painter.setPen(QPen(Qt::black, 0.8));
    painter.drawEllipse(circle);
    painter.drawText(
        QPointF(circle.right() + kChoiceSpace, circle.center().y() + metrics.capHeight() / 2),
        QString::fromStdString(choices[i]));
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
  const QRectF cell = RectF(place.Cell);
  painter.setPen(QPen(kCellFrame, 0.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(cell);
  painter.setPen(Qt::black);
  painter.setFont(SheetFont(kNumberSize, true));
  painter.drawText(QPointF(cell.left() + 5, cell.top() + 5 + kNumberSize),
                   QString::number(number) + QLatin1Char('.'));
  const TPuzzleLayout layout = LayoutPuzzle(item.Puzzle);
  DrawCalculation(painter, place, layout, item.Puzzle, showMask);
  DrawChoices(painter, item.Choices, place, layout);
}

}  // namespace gapwise
