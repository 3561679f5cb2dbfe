#include "deal/worksheet.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <memory>

#include "deal/worksheet_file.h"
#include "deal/worksheet_pages.h"

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

// The pages of a PDF: the pupils' pages, or the key's copies of them, or both in turn.
struct TParts {
  bool Puzzles = true;
  bool Key = false;
};

// Draws the PDF into memory; false when Qt's PDF writer fails.
bool DrawPdf(const TWorksheet& sheet, const QString& title, TParts parts, QByteArray& pdf) {
  QBuffer buffer(&pdf);
  if (!buffer.open(QIODevice::WriteOnly)) return false;
  const TSheetPage page = SheetPage(sheet.Paper, sheet.MultipleChoice, sheet.Kinds);
  QPdfWriter writer(&buffer);
  writer.setResolution(72);  // one unit is one point
  writer.setPageSize(QPageSize(sheet.Paper == TPaper::A4 ? QPageSize::A4 : QPageSize::Letter));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setTitle(QStringLiteral("%1, seed %2").arg(title).arg(sheet.Seed));
  writer.setCreator(QStringLiteral("gapwise-deal"));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  const int pages = PuzzlePages(page, static_cast<int>(sheet.Puzzles.size()));
  bool first = true;
  for (const bool key : {false, true}) {
    if (!(key ? parts.Key : parts.Puzzles)) continue;
    for (int i = 0; i < pages; ++i, first = false) {
      if (!first && !writer.newPage()) return false;
      DrawPuzzlePage(painter, sheet, page, i, key);
    }
  }
  return painter.end();
}

// Draws the PDF and writes it to the new file beside file's; an error text, empty on success.
std::string Prepare(TWholeFile& file, const std::string& path, const TWorksheet& sheet,
                    const QString& title, TParts parts) {
  QByteArray pdf;
  if (!DrawPdf(sheet, title, parts, pdf)) return "cannot write " + path + ": the PDF writer failed";
  return file.Write(std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())))
             ? ""
             : file.Error();
}

}  // namespace

std::string WriteWorksheet(const TWorksheet& sheet) {
  const std::unique_ptr<QGuiApplication> application = ApplicationIfNone();
  const bool keyInside = sheet.KeyPath.empty();
  TWholeFile sheetFile(sheet.Path);
  std::string error =
      Prepare(sheetFile, sheet.Path, sheet, QStringLiteral("Gapwise worksheet"), {true, keyInside});
  if (!error.empty()) return error;
  if (keyInside) return sheetFile.Commit() ? "" : sheetFile.Error();
  // Both files are complete before either takes its name, and a key whose sheet cannot take its
  // name is removed again, so that no key stands without its sheet.
  TWholeFile keyFile(sheet.KeyPath);
  error =
      Prepare(keyFile, sheet.KeyPath, sheet, QStringLiteral("Gapwise answer key"), {false, true});
  if (!error.empty()) return error;
  if (!keyFile.Commit()) return keyFile.Error();
  if (sheetFile.Commit()) return "";
  keyFile.Remove();
  return sheetFile.Error();
}

}  // namespace gapwise
