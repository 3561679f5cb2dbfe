// gapwise-a11y-probe SEED SETTINGS: the game's main window on the display, dealing from a fixed
// seed with the given settings file, for the test that reads it through the accessibility bus.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/hive/hive_registry.h"
#include "ui/forms/main_window.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/services.h"

int main(int argc, char** argv) {
  char* end = nullptr;
  const unsigned long seed = argc == 3 ? std::strtoul(argv[1], &end, 10) : 0;
  if (argc != 3 || end == argv[1] || *end != '\0') {
    std::fprintf(stderr, "usage: gapwise-a11y-probe SEED SETTINGS\n");
    return 2;
  }
  gapwise::TApplication application(argc, argv, "Gapwise");
  gapwise::THiveRegistry registry({argv[2], ""});
  gapwise::TForm1 form({&registry, [seed] { return static_cast<std::uint32_t>(seed); }});
  return application.Run(form.Form());
}
