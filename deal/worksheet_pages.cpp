#include "deal/worksheet_pages.h"

#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <filesystem>

#include "deal/deal.h"

#include "deal/worksheet_puzzle.h"

namespace gapwise {
namespace {

constexpr double kTitleSize = 16;  // points
constexpr double kSubtitleSize = 11;
constexpr double kLineSize = 12;  // the instruction, the fields and the key's heading
constexpr double kSmallSize = 8;
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

// A file's name as a shell word, quoted when it holds anything but the usual characters.
QString ShellWord(const std::string& path) {
  QString name = QString::fromStdString(std::filesystem::path(path).filename().string());
  static const QRegularExpression kPlain(QStringLiteral("^[A-Za-z0-9._+,=-]+$"));
  if (kPlain.match(name).hasMatch()) return name;
  return QLatin1Char('\'') + name.replace(QLatin1Char('\''), QStringLiteral("'\\''")) +
         QLatin1Char('\'');
}

// The command that deals this very sheet again, with every option that shapes it.
QString DealAgain(const TWorksheet& sheet) {
  QStringList codes;
  for (const std::uint8_t kind : sheet.Kinds) codes.append(QString::number(kind));
  QString text = QStringLiteral("Deal again: gapwise-deal --seed %1 --count %2 --kinds %3")
                     .arg(sheet.Seed)
                     .arg(sheet.Puzzles.size())
                     .arg(codes.join(QLatin1Char(',')));
  if (sheet.MultipleChoice) text += QStringLiteral(" --multiple-choice");
  text += QStringLiteral(" --worksheet ") + ShellWord(sheet.Path);
  text +=
      sheet.Paper == TPaper::A4 ? QStringLiteral(" --paper a4") : QStringLiteral(" --paper letter");
  if (sheet.ShowMask) text += QStringLiteral(" --show-mask");
  if (sheet.PlaceholderZero) text += QStringLiteral(" --placeholder-zero");
  if (sheet.Grid) text += QStringLiteral(" --grid");
  if (sheet.KeyPath.empty()) {
    text += QStringLiteral(" --key-inside");
  } else if (ShellWord(sheet.KeyPath) != ShellWord(DefaultKeyPath(sheet.Path))) {
    text += QStringLiteral(" --answer-key ") + ShellWord(sheet.KeyPath);
  }
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

// "LABEL ____ / N" at the right end of the header's line at baseline.
void DrawOutOf(QPainter& painter, const TSheetPage& page, const QString& label, int puzzles,
               double baseline) {
  const TSheetRect& band = page.Header;
  painter.setFont(SheetFont(kLineSize));
  const QString outOf = QStringLiteral("/ %1").arg(puzzles);
  const double outOfLeft = band.Right() - painter.fontMetrics().horizontalAdvance(outOf);
  DrawField(painter, label, band.Left + band.Width * 0.76, outOfLeft - 4, baseline);
  painter.setPen(Qt::black);
  painter.drawText(QPointF(outOfLeft, baseline), outOf);
}

// "Name", "Date" and "Score: ____ / N", N the puzzles on the page.
void DrawFields(QPainter& painter, const TSheetPage& page, int puzzles) {
  const TSheetRect& band = page.Header;
  const double baseline = Baseline(page, 2);
  painter.setFont(SheetFont(kLineSize));
  DrawField(painter, QStringLiteral("Name"), band.Left, band.Left + band.Width * 0.48, baseline);
  DrawField(painter, QStringLiteral("Date"), band.Left + band.Width * 0.52,
            band.Left + band.Width * 0.72, baseline);
  DrawOutOf(painter, page, QStringLiteral("Score:"), puzzles, baseline);
}

// The key's heading, and on its first page the command that deals the sheet again, wrapped.
void DrawKeyHeading(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page, int index) {
  painter.setPen(Qt::black);
  painter.setFont(SheetFont(kLineSize, true));
  painter.drawText(QPointF(page.Header.Left, Baseline(page, 1)), QStringLiteral("Answer key"));
  if (index > 0) return;
  painter.setPen(kQuiet);
  painter.setFont(SheetFont(kSmallSize));
  const TSheetRect& band = page.Header;
  const double top = Baseline(page, 1) + 6;
  painter.drawText(QRectF(band.Left, top, band.Width, band.Bottom() - top),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, DealAgain(sheet));
}

void DrawFooter(QPainter& painter, const TSheetPage& page, const QString& text) {
  painter.setPen(kQuiet);
  painter.setFont(SheetFont(kSmallSize));
  const QRectF line(0, page.FooterBaseline - kSmallSize, page.Width, kSmallSize + 2);
  painter.drawText(line, Qt::AlignHCenter | Qt::AlignBottom, text);
}

}  // namespace

void DrawPuzzlePage(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page, int index,
                    bool key) {
  const int count = static_cast<int>(sheet.Puzzles.size());
  const int pages = PuzzlePages(page, count);
  const int first = index * page.PerPage();
  const int end = std::min(first + page.PerPage(), count);
  DrawTitle(painter, sheet, page);
  if (key) {
    DrawKeyHeading(painter, sheet, page, index);
  } else {
    painter.setFont(SheetFont(kLineSize));
    painter.drawText(QPointF(page.Header.Left, Baseline(page, 1)), Instruction(sheet));
    // The sheet's total on the first of several pages.
    if (index == 0 && pages > 1) {
      DrawOutOf(painter, page, QStringLiteral("Total:"), count, Baseline(page, 1));
    }
    DrawFields(painter, page, end - first);
  }
  for (int i = first; i < end; ++i) {
    DrawPuzzle(painter, sheet, static_cast<std::size_t>(i), PuzzlePlace(page, i - first), key);
  }
  const QString footer =
      key ? QStringLiteral("Answer key, page %1 of %2") : QStringLiteral("Page %1 of %2");
  DrawFooter(painter, page, footer.arg(index + 1).arg(pages));
}

}  // namespace gapwise
