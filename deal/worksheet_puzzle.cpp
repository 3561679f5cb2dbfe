#include "deal/worksheet_puzzle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace gapwise {
namespace {

constexpr double kNumberSize = 10;  // points
constexpr double kGridLine = 0.4;
const QColor kCellFrame(190, 190, 190);
const QColor kGapFrame(60, 60, 60);
const QColor kGridColour(205, 205, 205);
const QColor kKeyColour(200, 0, 0);

QRectF RectF(const TSheetRect& r) {
  return QRectF(r.Left, r.Top, r.Width, r.Height);
}

// Writes c centred in the column that starts at left, its digits' middle at middle.
void DrawCentred(QPainter& painter, QChar c, double left, double middle) {
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double inset = (kColumnWidth - metrics.horizontalAdvance(c)) / 2;
  painter.drawText(QPointF(left + inset, middle + metrics.capHeight() / 2), QString(c));
}

// Each character stands in its own column. A hidden one is left out for its box, drawn as a red
// "?" with showMask, or in the key written in the key's colour.
void DrawCell(QPainter& painter, const TPuzzlePlace& place, const std::string& text,
              const TCellBox& box, bool showMask, const std::string& answer) {
  const std::vector<double> lefts = CellColumns(place, text, box);
  std::size_t hidden = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    QChar c = QLatin1Char(text[i]);
    const bool gap = c == QLatin1Char('?');
    if (gap && !answer.empty()) c = QLatin1Char(answer.at(hidden++));
    if (c == QLatin1Char(' ') || (gap && !showMask && answer.empty())) continue;
    painter.setPen(!gap ? Qt::black : answer.empty() ? Qt::red : kKeyColour);
    DrawCentred(painter, c, lefts[i], RowMiddle(place, box.Top));
  }
}

// The true minus and times signs where the sheet's face has them, else the window's.
QChar Printed(char sign, const QFont& font) {
  const char32_t typeset = sign == '-' ? 0x2212 : sign == 'x' ? 0x00d7 : 0;
  if (typeset != 0 && QFontMetricsF(font).inFontUcs4(typeset)) return QChar(typeset);
  return QLatin1Char(sign);
}

void DrawSign(QPainter& painter, const TPuzzlePlace& place, TPuzzleKind kind) {
  const std::optional<TSign> sign = SignOf(kind);
  if (!sign) return;
  painter.setPen(Qt::black);
  const double centre = place.X(sign->Box.Left + sign->Box.Width / 2.0);
  DrawCentred(painter, Printed(sign->Text.at(0), painter.font()), centre - kColumnWidth / 2,
              RowMiddle(place, sign->Box.Top));
}

// What the written method adds to the window's cells: "r" before a division's remainder, and on
// request the placeholder zero that ends a long multiplication's second row.
void DrawMethodMarks(QPainter& painter, const TPuzzlePlace& place, const TPuzzleLayout& layout,
                     bool placeholderZero) {
  painter.setPen(Qt::black);
  if (layout.Kind == pkDivision) {
    DrawCentred(painter, QLatin1Char('r'), ColumnBeside(place, layout, 6, -1),
                RowMiddle(place, layout.Boxes[6].Top));
  } else if (layout.Kind == pkMultiplication && placeholderZero) {
    DrawCentred(painter, QLatin1Char('0'), ColumnBeside(place, layout, 3, 1),
                RowMiddle(place, layout.Boxes[3].Top));
  }
}

void DrawGapBoxes(QPainter& painter, const TPuzzlePlace& place, const TPuzzleLayout& layout,
                  const TPuzzle& puzzle) {
  painter.setPen(QPen(kGapFrame, kBoxLine));
  painter.setBrush(Qt::white);
  const double inset = kBoxLine / 2;
  for (const TSheetRect& box : GapBoxes(place, layout, puzzle)) {
    painter.drawRect(RectF(box).adjusted(inset, inset, -inset, -inset));
  }
  painter.setBrush(Qt::NoBrush);
}

void DrawCalculation(QPainter& painter, const TWorksheet& sheet, const TPuzzlePlace& place,
                     const TPuzzle& puzzle, bool key) {
  const TPuzzleLayout layout = SheetLayout(puzzle);
  painter.setFont(SheetFont(kDigitSize));
  DrawSign(painter, place, puzzle.Kind);
  DrawMethodMarks(painter, place, layout, sheet.PlaceholderZero);
  for (const TPixelRect& rule : RuleLines(layout)) {
    painter.fillRect(RectF(RuleRect(place, rule)), Qt::black);
  }
  if (!sheet.ShowMask) DrawGapBoxes(painter, place, layout, puzzle);
  for (std::size_t i = 0; i < layout.Texts.size(); ++i) {
    const bool masked = key && i == puzzle.MaskedCell;
    DrawCell(painter, place, layout.Texts[i], layout.Boxes[i], sheet.ShowMask,
             masked ? puzzle.Answer : std::string());
  }
}

void DrawChoices(QPainter& painter, const TSheetPuzzle& item, const TPuzzlePlace& place, bool key) {
  const TPuzzleLayout layout = SheetLayout(item.Puzzle);
  painter.setFont(SheetFont(kChoiceSize));
  const QFontMetricsF metrics(painter.font(), painter.device());
  for (std::size_t i = 0; i < item.Choices.size(); ++i) {
    const QRectF circle = RectF(ChoiceCircle(place, layout, static_cast<int>(i)));
    painter.setPen(QPen(Qt::black, 0.8));
    const bool right = key && item.Choices[i] == item.Puzzle.Answer;
    painter.setBrush(right ? QBrush(kKeyColour) : QBrush(Qt::NoBrush));
    painter.drawEllipse(circle);
    painter.drawText(
        QPointF(circle.right() + kChoiceSpace, circle.center().y() + metrics.capHeight() / 2),
        QString::fromStdString(item.Choices[i]));
  }
  painter.setBrush(Qt::NoBrush);
}

// Light squares one column wide, their upright lines between the columns of the puzzle's digits.
void DrawGrid(QPainter& painter, const TPuzzlePlace& place) {
  const QRectF cell = RectF(place.Cell);
  const double phase = std::fmod(place.X(0) - cell.left(), kColumnWidth);
  painter.setPen(QPen(kGridColour, kGridLine));
  for (double x = cell.left() + phase; x < cell.right(); x += kColumnWidth) {
    painter.drawLine(QPointF(x, cell.top()), QPointF(x, cell.bottom()));
  }
  for (double y = cell.top() + kColumnWidth; y < cell.bottom(); y += kColumnWidth) {
    painter.drawLine(QPointF(cell.left(), y), QPointF(cell.right(), y));
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

void DrawPuzzle(QPainter& painter, const TWorksheet& sheet, std::size_t index,
                const TPuzzlePlace& place, bool key) {
  const TSheetPuzzle& item = sheet.Puzzles.at(index);
  if (sheet.Grid) DrawGrid(painter, place);
  const QRectF cell = RectF(place.Cell);
  painter.setPen(QPen(kCellFrame, 0.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(cell);
  painter.setPen(Qt::black);
  painter.setFont(SheetFont(kNumberSize, true));
  painter.drawText(QPointF(cell.left() + 5, cell.top() + 5 + kNumberSize),
                   QString::number(index + 1) + QLatin1Char('.'));
  DrawCalculation(painter, sheet, place, item.Puzzle, key);
  DrawChoices(painter, item, place, key);
}

}  // namespace gapwise
