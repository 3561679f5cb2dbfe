// gapwise-screenshot SEED OUTDIR: renders the main window offscreen, one PNG per kind of puzzle,
// typed and multiple-choice, with one and with two hidden digits, and the layout's worked
// examples. Nothing is read from or written to the user's settings.
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "settings/empty_registry.h"
#include "tests/support/qt/toolkit_testing.h"
#include "tools/screenshot_plan.h"
#include "ui/forms/main_window.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/application.h"
#include "ui/toolkit/qt/widget.h"
#include "ui/toolkit/services.h"

namespace gapwise {
namespace {

TForm1Setup Setup(reg::IRegistry& registry, std::uint32_t seed) {
  return TForm1Setup{&registry, [seed] { return seed; }};
}

bool Save(TForm1& form, const QString& folder, const std::string& name) {
  const QString path = QDir(folder).filePath(QString::fromStdString(name) + ".png");
  if (!qt::QtWidget(form.Form())->grab().save(path)) {
    std::fprintf(stderr, "gapwise-screenshot: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

bool Shoot(std::uint32_t seed, int kind, bool choices, int hidden, const QString& folder) {
  reg::TEmptyRegistry registry;
  TForm1 form(Setup(registry, seed));
  PrepareShot(form, kind, choices, hidden);
  form.Form().Show();
  return Save(form, folder, ShotName(choices, kind, hidden));
}

bool ShootExamples(std::uint32_t seed, const QString& folder) {
  reg::TEmptyRegistry registry;
  TForm1 form(Setup(registry, seed));
  form.Form().Show();
  for (const auto& [name, puzzle] : LayoutExamples()) {
    form.OnPuzzleChanged(puzzle);
    if (!Save(form, folder, name)) return false;
  }
  return true;
}

int Run(std::uint32_t seed, const QString& folder) {
  if (!QDir().mkpath(folder)) return 1;
  const auto shoot = [&](int kind, bool choices, int hidden) {
    return Shoot(seed, kind, choices, hidden, folder);
  };
  return ForEachShot(shoot) && ShootExamples(seed, folder) ? 0 : 1;
}

}  // namespace
}  // namespace gapwise

int main(int argc, char** argv) {
  gapwise::qt::PreferOffscreenWithoutDisplay();
  gapwise::TApplication application(argc, argv, "Gapwise");
  const QStringList args = QCoreApplication::arguments();
  bool ok = args.size() == 3;
  const std::uint32_t seed = ok ? args[1].toUInt(&ok) : 0;
  if (!ok) {
    std::fprintf(stderr, "usage: gapwise-screenshot SEED OUTDIR\n");
    return 2;
  }
  gapwise::qt_testing::SetManualTicks(true);
  return gapwise::Run(seed, args[2]);
}
