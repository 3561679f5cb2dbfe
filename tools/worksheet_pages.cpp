#include "tools/worksheet_pages.h"

#include <QPainter>
#include <algorithm>

#include "tools/worksheet_puzzle.h"

namespace gapwise {
namespace {

constexpr double kTitleSize = 16;  // points
constexpr double kSubtitleSize = 11;
constexpr double kLineSize = 12;  // the instruction, the fields and the key's heading
constexpr double kSmallSize = 8;
constexpr double kKeySize = 10;
const QColor kQuiet(90, 90, 90);

QString KindNames(const std::vector<std::uint8_t>& kinds) {
  static const char* const kNames[] = {"addition", "subtraction", "multiplication", "division"};
  QStringList names;
  for (const std::uint8_t kind : kinds) {
    const QString name = QString::fromLatin1(kNames[KindOfEntry(kind)]);
    if (!names.contains(name)) names.append(name);
  }
  return names.join(QStringLiteral(", "));
}

QString DealAgain(const TWorksheet& sheet) {
  QStringList codes;
  for (const std::uint8_t kind : sheet.Kinds) codes.append(QString::number(kind));
  QString text = QStringLiteral("Deal again: gapwise-deal --seed %1 --count %2 --kinds %3")
                     .arg(sheet.Seed)
                     .arg(sheet.Puzzles.size())
                     .arg(codes.join(QLatin1Char(',')));
  if (sheet.MultipleChoice) text += QStringLiteral(" --multiple-choice");
  return text;
}

QString Instruction(const TWorksheet& sheet) {
  if (sheet.MultipleChoice) return QStringLiteral("Circle the right value.");
  if (sheet.ShowMask) return QStringLiteral("Write the missing digit for each red question mark.");
  return QStringLiteral("Write the missing digits in the boxes.");
}

// The header's line `line` (from 0): the title, then two more lines.
double Baseline(const TSheetPage& page, int line) {
  static constexpr double kBaselines[] = {kTitleSize, 40, 66};
  return page.Header.Top + kBaselines[line];
}

// "Gapwise worksheet", then what the puzzles are and their seed.
void DrawTitle(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page) {
  const QString title = QStringLiteral("Gapwise worksheet");
  QString about =
      KindNames(sheet.Kinds) + QStringLiteral(" \u00b7 seed ") + QString::number(sheet.Seed);
  if (sheet.MultipleChoice) about += QStringLiteral(" \u00b7 multiple choice");
  painter.setPen(Qt::black);
  painter.setFont(SheetFont(kTitleSize, true));
  const QPointF at(page.Header.Left, Baseline(page, 0));
  painter.drawText(at, title);
  const double after = at.x() + painter.fontMetrics().horizontalAdvance(title) + 12;
  painter.setFont(SheetFont(kSubtitleSize));
  painter.drawText(QPointF(after, at.y()), about);
}

// Writes label at left on the fields' line, then a line to write on up to right.
void DrawField(QPainter& painter, const QString& label, double left, double right,
               double baseline) {
  painter.setPen(Qt::black);
  painter.drawText(QPointF(left, baseline), label);
  const double start = left + painter.fontMetrics().horizontalAdvance(label) + 4;
  painter.setPen(QPen(Qt::black, 0.5));
  painter.drawLine(QPointF(start, baseline + 2), QPointF(right, baseline + 2));
}

// "Name", "Date" and "Score: ____ / N", N the puzzles on the page.
void DrawFields(QPainter& painter, const TSheetPage& page, int puzzles) {
  const TSheetRect& band = page.Header;
  const double baseline = Baseline(page, 2);
  painter.setFont(SheetFont(kLineSize));
  const QString outOf = QStringLiteral("/ %1").arg(puzzles);
  const double outOfLeft = band.Right() - painter.fontMetrics().horizontalAdvance(outOf);
  DrawField(painter, QStringLiteral("Name"), band.Left, band.Left + band.Width * 0.48, baseline);
  DrawField(painter, QStringLiteral("Date"), band.Left + band.Width * 0.52,
            band.Left + band.Width * 0.72, baseline);
  DrawField(painter, QStringLiteral("Score:"), band.Left + band.Width * 0.76, outOfLeft - 4,
            baseline);
  painter.setPen(Qt::black);
  painter.drawText(QPointF(outOfLeft, baseline), outOf);
}

void DrawFooter(QPainter& painter, const TSheetPage& page, const QString& text) {
  painter.setPen(kQuiet);
  painter.setFont(SheetFont(kSmallSize));
  const QRectF line(0, page.FooterBaseline - kSmallSize, page.Width, kSmallSize + 2);
  painter.drawText(line, Qt::AlignHCenter | Qt::AlignBottom, text);
}

}  // namespace

void DrawPuzzlePage(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page, int index) {
  const int count = static_cast<int>(sheet.Puzzles.size());
  const int first = index * page.PerPage();
  const int end = std::min(first + page.PerPage(), count);
  DrawTitle(painter, sheet, page);
  painter.setFont(SheetFont(kLineSize));
  painter.drawText(QPointF(page.Header.Left, Baseline(page, 1)), Instruction(sheet));
  DrawFields(painter, page, end - first);
  for (int i = first; i < end; ++i) {
    DrawPuzzle(painter, sheet.Puzzles[static_cast<std::size_t>(i)], PuzzlePlace(page, i - first),
               i + 1, sheet.ShowMask);
  }
  DrawFooter(painter, page,
             QStringLiteral("Page %1 of %2").arg(index + 1).arg(PuzzlePages(page, count)));
}

void DrawKeyPage(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page, int index) {
  const int count = static_cast<int>(sheet.Puzzles.size());
  DrawTitle(painter, sheet, page);
  painter.setFont(SheetFont(kLineSize, true));
  painter.drawText(QPointF(page.Header.Left, Baseline(page, 1)), QStringLiteral("Answer key"));
  painter.setPen(kQuiet);
  painter.setFont(SheetFont(kSmallSize));
  painter.drawText(QPointF(page.Header.Left, Baseline(page, 2)), DealAgain(sheet));
  const int perPage = KeyEntriesPerPage(page);
  const int first = index * perPage;
  const int end = std::min(first + perPage, count);
  painter.setPen(Qt::black);
  painter.setFont(SheetFont(kKeySize, true));
  for (int i = first; i < end; i += page.PerPage()) {
    const TSheetRect heading = KeyHeading(page, (i - first) / page.PerPage());
    painter.drawText(QRectF(heading.Left, heading.Top, heading.Width, heading.Height),
                     Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Page %1").arg(i / page.PerPage() + 1));
  }
  painter.setFont(SheetFont(kKeySize));
  for (int i = first; i < end; ++i) {
    const TSheetRect place = KeyPlace(page, i - first);
    const QRectF number(place.Left, place.Top, place.Width * 0.45, place.Height);
    const QRectF answer(number.right() + 5, place.Top, place.Width * 0.5, place.Height);
    painter.drawText(number, Qt::AlignRight | Qt::AlignVCenter, QString::number(i + 1) + '.');
    painter.drawText(
        answer, Qt::AlignLeft | Qt::AlignVCenter,
        QString::fromStdString(sheet.Puzzles[static_cast<std::size_t>(i)].Puzzle.Answer));
  }
  DrawFooter(painter, page,
             QStringLiteral("Answer key, page %1 of %2").arg(index + 1).arg(KeyPages(page, count)));
}

}  // namespace gapwise
