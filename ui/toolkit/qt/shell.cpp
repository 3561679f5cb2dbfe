#include "ui/toolkit/qt/shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <utility>

namespace gapwise::qt {
namespace {

// The path as a file URL. The path is made absolute and cleaned first, so that a doubled
// separator ("//gapwise.chm") is not taken for a network host; it names the same file.
QUrl FileUrl(const QString& path) {
  return QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

void OpenOnDesktop(const QString& path) {
  QDesktopServices::openUrl(FileUrl(path));
}

FileOpener& CurrentOpener() {
  static FileOpener opener = OpenOnDesktop;
  return opener;
}

}  // namespace

bool FileExists(const QString& path) {
  const QFileInfo entry(path);
  return entry.exists() && !entry.isDir();
}

void OpenWithDesktop(const QString& path) {
  CurrentOpener()(path);
}

void SetFileOpener(FileOpener opener) {
  CurrentOpener() = opener ? std::move(opener) : FileOpener(OpenOnDesktop);
}

}  // namespace gapwise::qt
