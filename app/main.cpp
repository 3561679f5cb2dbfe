// The gapwise program: the application, the main window, one hidden info dialog, the event loop.
#include "ui/info_dialog.h"
#include "ui/main_window.h"
#include "ui/toolkit/application.h"

int main(int argc, char** argv) {
  gapwise::TApplication application(argc, argv);
  gapwise::SetApplicationTitle(QStringLiteral("Gapwise"));
  QGuiApplication::setApplicationName(QStringLiteral("Gapwise"));
  QGuiApplication::setDesktopFileName(QStringLiteral("example.ardentree.Gapwise"));
  gapwise::TForm1 form;
  gapwise::TForm3 info(&form);
  form.show();
  return application.exec();
}
