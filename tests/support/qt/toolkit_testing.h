// The Qt backend as tests and tools run it: the program's toolkit, with timers that tick only by
// hand when asked, beeps and the desktop's opener handed to a test instead, and every message box
// handed to an observer once it runs. Linked before gapwise_toolkit_qt, its Toolkit() is the
// program's (a subclass of the Qt backend's), and the backend's own is never linked in.
#pragma once

#include <QString>
#include <functional>

class QMessageBox;

namespace gapwise::qt_testing {

// With manual ticks, timers made afterwards start no system timer: they tick only through
// TTimer::Fire.
void SetManualTicks(bool manual);

// Called instead of sounding the beep, so that a test can count beeps; an empty one restores it.
void SetBeepObserver(std::function<void()> observer);

// Called instead of the desktop's opener, so that no viewer starts; an empty one restores it.
using FileOpener = std::function<void(const QString& path)>;
void SetFileOpener(FileOpener opener);

// Called with every message or error box once it is open and running its own loop, so that a
// test can read it and close it. An empty observer removes it.
using MessageBoxObserver = std::function<void(QMessageBox& box)>;
void SetMessageBoxObserver(MessageBoxObserver observer);

}  // namespace gapwise::qt_testing
