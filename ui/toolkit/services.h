// The toolkit's services: message box, beep, error box, the shell's opener, the file test, the
// seed, and the one place where an error escaping a handler ends.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

namespace gapwise {

class TForm;

// The title of the application, which message boxes and the error box show: "Gapwise".
const std::string& ApplicationTitle();
void SetApplicationTitle(const std::string& title);

// A modal message with the application title, no icon and one OK (Enter and Esc press it),
// centred on the screen; timer ticks keep coming while it is open; returns once it was closed.
void ShowMessage(TForm* owner, const std::string& text);

// The system's default beep; returns at once.
void Beep();

// The error box: the application title, an error icon, and "." appended when the last
// character sorts after ".". Returns once it was closed.
void ShowError(const std::string& message);

// The message shown for an error that escaped a handler.
std::string ErrorText(const std::exception_ptr& error);

// Runs a handler: an error that escapes it is shown in the error box, and the caller goes on.
// True when the handler ran to its end.
bool RunHandler(const std::function<void()>& handler);

// Hands the file to the viewer that the system associates with it and returns at once; the
// viewer's failures are not reported.
void ShellOpen(TForm* owner, const std::string& path);

// True only when an entry exists at path and it is not a folder.
bool FileExists(const std::string& path);

// The seed of the game's generator: the high-resolution counter's low 32 bits, or without one
// the milliseconds since the system started.
std::uint32_t SystemSeed();

// The folder followed directly by the platform's separator and the file name.
std::string PathIn(const std::string& folder, const std::string& name);

// The toolkit's lifetime: made before the first window, ended after the last.
class TApplication {
 public:
  // The title that message boxes show; the desktop's name of the program where it has one.
  TApplication(int& argc, char** argv, const std::string& title, const std::string& desktopId = "");
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // Shows the main form and handles events until it closes; the program's exit status.
  int Run(TForm& mainForm);
};

}  // namespace gapwise
