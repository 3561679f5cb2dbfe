// The file test and the desktop's opener, through which files are handed to their viewer.
#pragma once

#include <QString>

namespace gapwise::qt {

// True only when an entry exists at `path` and it is not a folder.
bool FileExists(const QString& path);

// Hands `path` to the desktop's opener (QDesktopServices, that is xdg-open) and returns at once,
// without waiting for the viewer; nothing is reported.
void OpenWithDesktop(const QString& path);

}  // namespace gapwise::qt
