// The application object: its title, a plain look, and the one place where escaping errors end.
#pragma once

#include <QApplication>
#include <QString>
#include <functional>

namespace gapwise {

// The title that message boxes and the error box show: "Gapwise" unless set otherwise.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// Runs the windowless platform when neither an X nor a Wayland display is there and no platform
// was chosen, so that tests and tools run on a bare machine. Call before the application exists.
void PreferOffscreenWithoutDisplay();

// The message shown for an error that escaped a handler.
QString ErrorText(const std::exception_ptr& error);

// Runs a handler outside the event loop (a window's creation): an error that escapes it is shown
// in the error box, and the caller goes on.
void RunHandler(const std::function<void()>& handler);

// Every event passes through notify(): an error escaping a handler ends that handler and is shown
// in the error box, also inside a modal dialog's loop, and the program goes on. The look is Qt's
// Fusion style with its own palette, and the default font Times New Roman at 16 pixels.
class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace gapwise
