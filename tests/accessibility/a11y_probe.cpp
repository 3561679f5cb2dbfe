// gapwise-a11y-probe SEED SETTINGS: the game's main window on the display, dealing from a fixed
// seed with the given settings file, for the test that reads it through the accessibility bus.
#include <QStringList>
#include <cstdint>
#include <cstdio>

#include "ui/main_window.h"
#include "ui/toolkit/application.h"

int main(int argc, char** argv) {
  gapwise::TApplication application(argc, argv);
  gapwise::SetApplicationTitle(QStringLiteral("Gapwise"));
  QGuiApplication::setApplicationName(QStringLiteral("Gapwise"));
  const QStringList args = QCoreApplication::arguments();
  bool ok = args.size() == 3;
  const std::uint32_t seed = ok ? args[1].toUInt(&ok) : 0;
  if (!ok) {
    std::fprintf(stderr, "usage: gapwise-a11y-probe SEED SETTINGS\n");
    return 2;
  }
  gapwise::TForm1 form(gapwise::TForm1Setup{{args[2].toStdString(), ""}, [seed] { return seed; }});
  form.show();
  form.activateWindow();
  return application.exec();
}
