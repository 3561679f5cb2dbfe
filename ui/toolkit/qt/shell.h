// The file test and the desktop's opener, through which files are handed to their viewer.
#pragma once

#include <QString>
#include <functional>

namespace gapwise::qt {

// True only when an entry exists at `path` and it is not a folder.
bool FileExists(const QString& path);

// Hands `path` to the current opener and returns at once, without waiting for the viewer.
// By default the desktop opens it (QDesktopServices, that is xdg-open); nothing is reported.
void OpenWithDesktop(const QString& path);

// Replaces the opener, so that a test sees every call and no viewer starts. An empty opener
// restores the desktop's.
using FileOpener = std::function<void(const QString& path)>;
void SetFileOpener(FileOpener opener);

}  // namespace gapwise::qt
