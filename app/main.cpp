// The gapwise program: the application, the main window, the event loop.
#include "app/backends.h"
#include "ui/forms/main_window.h"
#include "ui/toolkit/services.h"

int main(int argc, char** argv) {
  gapwise::TApplication application(argc, argv, "Gapwise", "example.ardentree.Gapwise");
  const std::unique_ptr<gapwise::reg::IRegistry> registry = gapwise::SettingsRegistry();
  gapwise::TForm1 form({registry.get(), {}});
  return application.Run(form.Form());
}
