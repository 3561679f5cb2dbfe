#include "tools/worksheet.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>
#include <functional>
#include <memory>

#include "tools/worksheet_pages.h"

namespace gapwise {
namespace {

using TPage = std::function<void(QPainter&)>;

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

// One PDF file, drawn into a temporary file that replaces it only when committed.
class TPdfFile {
 public:
  explicit TPdfFile(const std::string& path) : path_(path), file_(QString::fromStdString(path)) {}

  bool Draw(const TWorksheet& sheet, const QString& title, const std::vector<TPage>& pages) {
    if (!file_.open(QIODevice::WriteOnly)) return false;
    QPdfWriter writer(&file_);
    writer.setResolution(72);  // one unit is one point
    writer.setPageSize(QPageSize(sheet.Paper == TPaper::A4 ? QPageSize::A4 : QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QStringLiteral("%1, seed %2").arg(title).arg(sheet.Seed));
    writer.setCreator(QStringLiteral("gapwise-deal"));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < pages.size(); ++i) {
      if (i > 0 && !writer.newPage()) return false;
      pages[i](painter);
    }
    return painter.end();
  }

  bool Commit() { return file_.commit(); }

  std::string Error() const {
    const QString reason = file_.error() == QFileDevice::NoError
                               ? QStringLiteral("the PDF writer failed")
                               : file_.errorString();
    return "cannot write " + path_ + ": " + reason.toStdString();
  }

 private:
  std::string path_;
  QSaveFile file_;
};

std::vector<TPage> PuzzlePagesOf(const TWorksheet& sheet, const TSheetPage& page) {
  std::vector<TPage> pages;
  for (int i = 0; i < PuzzlePages(page, static_cast<int>(sheet.Puzzles.size())); ++i) {
    pages.push_back([&sheet, &page, i](QPainter& p) { DrawPuzzlePage(p, sheet, page, i); });
  }
  return pages;
}

std::vector<TPage> KeyPagesOf(const TWorksheet& sheet, const TSheetPage& page) {
  std::vector<TPage> pages;
  for (int i = 0; i < KeyPages(page, static_cast<int>(sheet.Puzzles.size())); ++i) {
    pages.push_back([&sheet, &page, i](QPainter& p) { DrawKeyPage(p, sheet, page, i); });
  }
  return pages;
}

const QString kSheetTitle = QStringLiteral("Gapwise worksheet");

// The key in a file of its own: both files are drawn before either replaces its file, and when
// the sheet cannot replace its file the new key is removed again, so that no key stands without
// its sheet.
std::string WriteApart(const TWorksheet& sheet, const std::vector<TPage>& puzzles,
                       const std::vector<TPage>& key) {
  TPdfFile sheetFile(sheet.Path);
  if (!sheetFile.Draw(sheet, kSheetTitle, puzzles)) return sheetFile.Error();
  TPdfFile keyFile(sheet.KeyPath);
  if (!keyFile.Draw(sheet, QStringLiteral("Gapwise answer key"), key)) return keyFile.Error();
  if (!keyFile.Commit()) return keyFile.Error();
  if (sheetFile.Commit()) return "";
  QFile::remove(QString::fromStdString(sheet.KeyPath));
  return sheetFile.Error();
}

}  // namespace

std::string WriteWorksheet(const TWorksheet& sheet) {
  const std::unique_ptr<QGuiApplication> application = ApplicationIfNone();
  const TSheetPage page = SheetPage(sheet.Paper, sheet.MultipleChoice, sheet.Kinds);
  std::vector<TPage> puzzles = PuzzlePagesOf(sheet, page);
  const std::vector<TPage> key = KeyPagesOf(sheet, page);
  if (!sheet.KeyPath.empty()) return WriteApart(sheet, puzzles, key);
  puzzles.insert(puzzles.end(), key.begin(), key.end());
  TPdfFile file(sheet.Path);
  return file.Draw(sheet, kSheetTitle, puzzles) && file.Commit() ? "" : file.Error();
}

}  // namespace gapwise
