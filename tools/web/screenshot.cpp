// gapwise-screenshot.js: the page's counterpart of gapwise-screenshot. Shows the main window in
// the page for every kind of puzzle, typed and multiple-choice, with one and with two hidden
// digits, then the layout's worked examples, one after the other under the names that the Linux
// tool gives its PNG files; each stays until the browser's driver has taken its picture. The
// seed is the page's (?seed=N); nothing is read from or written to the stored settings.
#include <string>

#include "settings/empty_registry.h"
#include "tests/support/web/toolkit_testing.h"
#include "tools/screenshot_plan.h"
#include "ui/forms/main_window.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/services.h"

namespace gapwise {
namespace {

bool Shoot(int kind, bool choices, int hidden) {
  reg::TEmptyRegistry registry;
  TForm1 form({&registry, {}});
  PrepareShot(form, kind, choices, hidden);
  form.Form().Show();
  web::AwaitPicture(ShotName(choices, kind, hidden));
  return true;
}

void ShootExamples() {
  reg::TEmptyRegistry registry;
  TForm1 form({&registry, {}});
  form.Form().Show();
  for (const auto& [name, puzzle] : LayoutExamples()) {
    form.OnPuzzleChanged(puzzle);
    web::AwaitPicture(name);
  }
}

}  // namespace
}  // namespace gapwise

int main(int argc, char** argv) {
  gapwise::TApplication application(argc, argv, "Gapwise");
  gapwise::ForEachShot(gapwise::Shoot);
  gapwise::ShootExamples();
  gapwise::web::AwaitPicture("");  // the end: an empty name
  return 0;
}
