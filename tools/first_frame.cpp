// gapwise-first-frame game|bare|text: starts like the game (or opens a bare window of the same
// size, or one that also draws a line in each of the game's three faces of Times New Roman) and
// quits as soon as the window has painted its first frame, printing the process's peak resident
// memory in KiB; for timing start-up.
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "app/backends.h"
#include "ui/forms/main_window.h"
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
  gapwise::qt::QtWidget(form.Form())->installEventFilter(&watcher);
  return application.Run(form.Form());
}

// The bare window; with text, three labels in the faces the game draws with.
int RunBare(TFirstFrame& watcher, bool text) {
  QWidget window;
  window.setFixedSize(257, 389);
  if (text) {
    for (int line = 0; line < 3; ++line) {
      auto* label = new QLabel("3791 + 2636 = 6427", &window);
      QFont font("Times New Roman", 19);
      font.setPixelSize(19);
      font.setBold(line == 1);
      font.setItalic(line == 2);
      label->setFont(font);
      label->move(10, 10 + 30 * line);
    }
  }
  window.installEventFilter(&watcher);
  window.show();
  return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 2 ? argv[1] : "";
  if (mode != "game" && mode != "bare" && mode != "text") {
    std::fprintf(stderr, "usage: gapwise-first-frame game|bare|text\n");
    return 2;
  }
  if (mode != "game") {
    QApplication application(argc, argv);
    TFirstFrame watcher;
    const int status = RunBare(watcher, mode == "text");
    PrintPeakMemory();
    return status;
  }
  gapwise::TApplication application(argc, argv, "Gapwise", "example.ardentree.Gapwise");
  TFirstFrame watcher;
  const int status = RunGame(application, watcher);
  PrintPeakMemory();
  return status;
}
