#include "ui/toolkit/qt/shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace gapwise::qt {
namespace {

// The path as a file URL. The path is made absolute and cleaned first, so that a doubled
// separator ("//gapwise.chm") is not taken for a network host; it names the same file.
QUrl FileUrl(const QString& path) {
  return QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

}  // namespace

bool FileExists(const QString& path) {
  const QFileInfo entry(path);
  return entry.exists() && !entry.isDir();
}

void OpenWithDesktop(const QString& path) {
  QDesktopServices::openUrl(FileUrl(path));
}

}  // namespace gapwise::qt
