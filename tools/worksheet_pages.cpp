#include "tools/worksheet_pages.h"

#include <QPainter>
#include <algorithm>

#include "tools/worksheet_puzzle.h"

namespace gapwise {
namespace {

constexpr double kTitleSize = 16;  // points
constexpr double kSubtitleSize = 11;
constexpr double kSmallSize = 8;
constexpr double kFieldSize = 11;
constexpr double kKeySize = 10;
const QColor kQuiet(90, 90, 90);

QString KindNames(const std::vector<std::uint8_t>& kinds) {
  static const char* const kNames[] = {"addition", "subtraction", "multiplication", "division"};
  QStringList names;
  for (const std::uint8_t kind : kinds) {
    const QString name = QString::fromLatin1(kNames[kind]);
    if (!names.contains(name)) names.append(name);
  }
  return names.join(QStringLiteral(", "));
}

QString Subtitle(const TWorksheet& sheet, const QString& heading) {
  QString text = heading + KindNames(sheet.Kinds) + QStringLiteral(" \u00b7 seed ") +
                 QString::number(sheet.Seed);
  if (sheet.MultipleChoice) text += QStringLiteral(" \u00b7 multiple choice");
  return text;
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

// The title line, then how to deal the same puzzles again.
void DrawHeader(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page,
                const QString& heading) {
  const QString title = QStringLiteral("Gapwise worksheet");
  const double left = page.Header.Left;
  const double baseline = page.Header.Top + kTitleSize;
  painter.setPen(Qt::black);
  painter.setFont(SheetFont(kTitleSize, true));
  painter.drawText(QPointF(left, baseline), title);
  const double after = left + painter.fontMetrics().horizontalAdvance(title) + 12;
  painter.setFont(SheetFont(kSubtitleSize));
  painter.drawText(QPointF(after, baseline), Subtitle(sheet, heading));
  painter.setPen(kQuiet);
  painter.setFont(SheetFont(kSmallSize));
  painter.drawText(QPointF(left, baseline + 14), DealAgain(sheet));
}

// "Name" and "Date", each with a line to write on.
void DrawNameField(QPainter& painter, const TSheetPage& page) {
  const TSheetRect& band = page.Header;
  const double baseline = band.Top + band.Height - 12;
  const double dateLeft = band.Left + band.Width * 0.65;
  painter.setFont(SheetFont(kFieldSize));
  painter.setPen(Qt::black);
  painter.drawText(QPointF(band.Left, baseline), QStringLiteral("Name"));
  painter.drawText(QPointF(dateLeft, baseline), QStringLiteral("Date"));
  painter.setPen(QPen(Qt::black, 0.5));
  painter.drawLine(QPointF(band.Left + 34, baseline + 2), QPointF(dateLeft - 16, baseline + 2));
  painter.drawLine(QPointF(dateLeft + 30, baseline + 2),
                   QPointF(band.Left + band.Width, baseline + 2));
}

void DrawFooter(QPainter& painter, const TSheetPage& page, int number, int pages) {
  painter.setPen(kQuiet);
  painter.setFont(SheetFont(kSmallSize));
  const QRectF line(0, page.FooterBaseline - kSmallSize, page.Width, kSmallSize + 2);
  painter.drawText(line, Qt::AlignHCenter | Qt::AlignBottom,
                   QStringLiteral("Page %1 of %2").arg(number).arg(pages));
}

}  // namespace

void DrawPuzzlePage(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page, int index,
                    int pages) {
  DrawHeader(painter, sheet, page, QString());
  DrawNameField(painter, page);
  const int first = index * kPuzzlesPerPage;
  const int end = std::min<int>(first + kPuzzlesPerPage, static_cast<int>(sheet.Puzzles.size()));
  for (int i = first; i < end; ++i) {
    DrawPuzzle(painter, sheet.Puzzles[static_cast<std::size_t>(i)],
               PuzzlePlace(page, sheet.MultipleChoice, i - first), i + 1, sheet.ShowMask);
  }
  DrawFooter(painter, page, index + 1, pages);
}

void DrawKeyPage(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page, int index,
                 int puzzlePages, int pages) {
  DrawHeader(painter, sheet, page, QStringLiteral("answer key \u00b7 "));
  const int perPage = KeyEntriesPerPage(page);
  const int first = index * perPage;
  const int end = std::min<int>(first + perPage, static_cast<int>(sheet.Puzzles.size()));
  painter.setPen(Qt::black);
  painter.setFont(SheetFont(kKeySize, true));
  for (int i = first; i < end; i += kPuzzlesPerPage) {
    const TSheetRect heading = KeyHeading(page, (i - first) / kPuzzlesPerPage);
    painter.drawText(QRectF(heading.Left, heading.Top, heading.Width, heading.Height),
                     Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Page %1").arg(i / kPuzzlesPerPage + 1));
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
  DrawFooter(painter, page, puzzlePages + index + 1, pages);
}

}  // namespace gapwise
