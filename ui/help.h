// The "?" command: opens gapwise.chm from the installation folder, or says "File missing".
#pragma once

#include <QString>

class QWidget;

namespace gapwise {

// installFolder followed directly by "/gapwise.chm"; no separator is added or removed.
QString HelpFilePath(const QString& installFolder);

// Hands the help file to the desktop's opener and returns at once when a file (not a folder)
// is there; otherwise shows "File missing" in a message box owned by `owner`.
void OpenHelp(QWidget* owner, const QString& installFolder);

}  // namespace gapwise
