// Qt's application object for the game: a plain look, and the one place where escaping errors end.
#pragma once

#include <QApplication>

namespace gapwise::qt {

// Runs the windowless platform when neither an X nor a Wayland display is there and no platform
// was chosen, so that tests and tools run on a bare machine. Call before the application exists.
void PreferOffscreenWithoutDisplay();

// Every event passes through notify(): an error escaping a handler ends that handler and is shown
// in the error box, also inside a modal dialog's loop, and the program goes on. The look is Qt's
// Fusion style with its own palette, and the default font Times New Roman at 16 pixels.
class TQtApplication : public QApplication {
 public:
  TQtApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace gapwise::qt
