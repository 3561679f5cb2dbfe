#include "ui/help.h"

#include "ui/toolkit/services.h"

namespace gapwise {

std::string HelpFilePath(const std::string& installFolder) {
  return PathIn(installFolder, "gapwise.chm");
}

void OpenHelp(TForm* owner, const std::string& installFolder) {
  const std::string path = HelpFilePath(installFolder);
  if (FileExists(path)) return ShellOpen(owner, path);
  ShowMessage(owner, "File missing");
}

}  // namespace gapwise
