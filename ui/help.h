// The "?" command: opens gapwise.chm from the installation folder, or says "File missing".
#pragma once

#include <string>

namespace gapwise {

class TForm;

// installFolder followed directly by the platform's separator and "gapwise.chm"; no separator
// is added or removed.
std::string HelpFilePath(const std::string& installFolder);

// Hands the help file to the system's viewer and returns at once when a file (not a folder) is
// there; otherwise shows "File missing" in a message box over `owner`.
void OpenHelp(TForm* owner, const std::string& installFolder);

}  // namespace gapwise
