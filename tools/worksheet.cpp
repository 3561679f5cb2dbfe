#include "tools/worksheet.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>
#include <memory>

#include "tools/worksheet_pages.h"

namespace gapwise {
namespace {

// Qt's own notes (such as a missing runtime folder) are no concern of the sheet's user.
void DropNotes(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Qt's fonts need an application object; a sheet never shows a window, so it asks for the
// offscreen platform unless the user has chosen one.
std::unique_ptr<QGuiApplication> ApplicationIfNone() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "gapwise-deal";
  static char* argv[] = {name, nullptr};
  qInstallMessageHandler(DropNotes);
  return std::make_unique<QGuiApplication>(argc, argv);
}

void SetUp(QPdfWriter& writer, const TWorksheet& sheet) {
  writer.setResolution(72);  // one unit is one point
  writer.setPageSize(QPageSize(sheet.Paper == TPaper::A4 ? QPageSize::A4 : QPageSize::Letter));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setTitle(QStringLiteral("Gapwise worksheet, seed %1").arg(sheet.Seed));
  writer.setCreator(QStringLiteral("gapwise-deal"));
}

bool DrawPages(QPdfWriter& writer, const TWorksheet& sheet) {
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  const TSheetPage page = SheetPage(sheet.Paper);
  const int count = static_cast<int>(sheet.Puzzles.size());
  const int puzzlePages = PuzzlePages(count);
  const int pages = puzzlePages + KeyPages(page, count);
  for (int i = 0; i < pages; ++i) {
    if (i > 0 && !writer.newPage()) return false;
    if (i < puzzlePages) {
      DrawPuzzlePage(painter, sheet, page, i, pages);
    } else {
      DrawKeyPage(painter, sheet, page, i - puzzlePages, puzzlePages, pages);
    }
  }
  return painter.end();
}

}  // namespace

std::string WriteWorksheet(const TWorksheet& sheet) {
  const std::unique_ptr<QGuiApplication> application = ApplicationIfNone();
  QSaveFile file(QString::fromStdString(sheet.Path));
  bool drawn = false;
  if (file.open(QIODevice::WriteOnly)) {
    QPdfWriter writer(&file);
    SetUp(writer, sheet);
    drawn = DrawPages(writer, sheet);
  }
  if (drawn && file.commit()) return "";
  const QString reason = file.error() == QFileDevice::NoError
                             ? QStringLiteral("the PDF writer failed")
                             : file.errorString();
  return "cannot write " + sheet.Path + ": " + reason.toStdString();
}

}  // namespace gapwise
