// gapwise-first-frame game|bare: starts like the game (or opens a bare window of the same size)
// and quits as soon as the window has painted its first frame, printing the process's peak
// resident memory in KiB; for timing start-up.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "app/backends.h"
#include "ui/info_dialog.h"
#include "ui/main_window.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/widget.h"
#include "ui/toolkit/services.h"

namespace {

// Quits once the watched window's first paint has been handled and flushed.
class TFirstFrame : public QObject {
 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }

 private:
  bool seen_ = false;
};

// VmHWM of /proc/self/status: the most resident memory the process has had.
void PrintPeakMemory() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) std::printf("%ld\n", std::stol(line.substr(6)));
  }
}

int RunGame(gapwise::TApplication& application, TFirstFrame& watcher) {
  const std::unique_ptr<gapwise::reg::IRegistry> registry = gapwise::SettingsRegistry();
  gapwise::TForm1 form({registry.get(), {}});
  gapwise::TForm3 info(&form.Form());
  gapwise::qt::QtWidget(form.Form())->installEventFilter(&watcher);
  return application.Run(form.Form());
}

int RunBare(TFirstFrame& watcher) {
  QWidget window;
  window.setFixedSize(257, 389);
  window.installEventFilter(&watcher);
  window.show();
  return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  const bool game = argc == 2 && std::strcmp(argv[1], "game") == 0;
  if (!game && !(argc == 2 && std::strcmp(argv[1], "bare") == 0)) {
    std::fprintf(stderr, "usage: gapwise-first-frame game|bare\n");
    return 2;
  }
  if (!game) {
    QApplication application(argc, argv);
    TFirstFrame watcher;
    const int status = RunBare(watcher);
    PrintPeakMemory();
    return status;
  }
  gapwise::TApplication application(argc, argv, "Gapwise", "example.ardentree.Gapwise");
  TFirstFrame watcher;
  const int status = RunGame(application, watcher);
  PrintPeakMemory();
  return status;
}
