// gapwise-play MINUTES: plays the game as a fast player would, at the time limit stored in the
// settings, with every second of play run at once: ten keys (digits, a correction, Enter, the
// arrows, F2 and F3) and then one tick of the countdown, each message box painted and closed as
// soon as it opens. After each minute of play it prints "minute resident-KiB answers", the
// process's VmRSS and the answers scored so far; for the play benchmark (bench-play.sh).
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "app/backends.h"
#include "tests/support/qt/toolkit_testing.h"
#include "ui/forms/info_dialog.h"
#include "ui/forms/main_window.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/widget.h"
#include "ui/toolkit/services.h"
#include "ui/toolkit/timer.h"

namespace {

// One second's keys: an answer typed and corrected, Enter, a move in the choice list, the
// puzzle and the score read again.
const Qt::Key kSecond[] = {Qt::Key_1,    Qt::Key_2,  Qt::Key_Backspace, Qt::Key_3,  Qt::Key_Return,
                           Qt::Key_Down, Qt::Key_Up, Qt::Key_F2,        Qt::Key_F3, Qt::Key_Return};

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

void Press(QWidget& window, Qt::Key key) {
  QWidget* focus = window.focusWidget();
  QTest::keyClick(focus != nullptr ? focus : &window, key);
}

void PlayMinute(gapwise::TForm1& form) {
  QWidget& window = *gapwise::qt::QtWidget(form.Form());
  for (int second = 0; second < 60; ++second) {
    for (const Qt::Key key : kSecond) Press(window, key);
    form.Timer1->Fire();
    QApplication::processEvents();
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int minutes = argc == 2 ? std::atoi(argv[1]) : 0;
  if (minutes <= 0) {
    std::fprintf(stderr, "usage: gapwise-play MINUTES\n");
    return 2;
  }
  gapwise::TApplication application(argc, argv, "Gapwise", "example.ardentree.Gapwise");
  gapwise::qt_testing::SetManualTicks(true);
  gapwise::qt_testing::SetMessageBoxObserver([](QMessageBox& box) {
    box.repaint();  // seen, then closed
    box.done(0);
  });
  const std::unique_ptr<gapwise::reg::IRegistry> registry = gapwise::SettingsRegistry();
  gapwise::TForm1 form({registry.get(), {}});
  gapwise::TForm3 info(&form.Form());
  form.Form().Show();
  QApplication::processEvents();
  std::printf("0 %ld\n", ResidentKiB());
  for (int minute = 1; minute <= minutes; ++minute) {
    PlayMinute(form);
    std::printf("%d %ld %d\n", minute, ResidentKiB(), form.Game().Right() + form.Game().Wrong());
    std::fflush(stdout);
  }
  return 0;
}
