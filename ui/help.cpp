#include "ui/help.h"

#include "ui/toolkit/message_box.h"
#include "ui/toolkit/shell.h"

namespace gapwise {

QString HelpFilePath(const QString& installFolder) {
  return installFolder + "/gapwise.chm";
}

void OpenHelp(QWidget* owner, const QString& installFolder) {
  const QString path = HelpFilePath(installFolder);
  if (FileExists(path)) return OpenWithDesktop(path);
  ShowMessage(owner, "File missing");
}

}  // namespace gapwise
