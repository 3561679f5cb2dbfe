// gapwise-screenshot SEED OUTDIR: renders the main window offscreen, one PNG per kind of puzzle,
// typed and multiple-choice, with one and with two hidden digits, and the layout's worked
// examples. Nothing is read from or written to the user's settings.
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "settings/hive_registry.h"
#include "ui/main_window.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/application.h"
#include "ui/toolkit/qt/timer.h"
#include "ui/toolkit/qt/widget.h"
#include "ui/toolkit/services.h"

namespace gapwise {
namespace {

const char* const kKindNames[] = {"addition", "subtraction", "multiplication", "division"};

// Settings in a scratch file that nothing else reads.
class TScratchSetup {
 public:
  TScratchSetup(const QTemporaryDir& home, std::uint32_t seed)
      : registry_({home.filePath("user.reg").toStdString(), ""}), seed_(seed) {}
  operator TForm1Setup() {
    return TForm1Setup{&registry_, [seed = seed_] { return seed; }};
  }

 private:
  THiveRegistry registry_;
  std::uint32_t seed_;
};

bool Save(TForm1& form, const QString& folder, const QString& name) {
  const QString path = QDir(folder).filePath(name + ".png");
  if (!qt::QtWidget(form.Form())->grab().save(path)) {
    std::fprintf(stderr, "gapwise-screenshot: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

// Deals puzzles of one kind until one hides `hidden` digits; in typed mode one digit is typed.
bool Shoot(const QTemporaryDir& home, std::uint32_t seed, int kind, bool choices, int hidden,
           const QString& folder) {
  TScratchSetup setup(home, seed);
  TForm1 form(setup);
  TDrillGame& game = form.Game();
  game.Settings().Ops[0] = static_cast<std::uint8_t>(kind);
  game.Settings().Checked = 1;
  game.Settings().MultChoice = choices;
  form.ApplyTimeLeftRule();
  form.ApplyAnswerBoxRule();
  do {
    game.ApplySettings();
  } while (game.Puzzle().Mask.size() != static_cast<std::size_t>(hidden));
  if (!choices) game.TypeKey(game.Puzzle().Answer[0] == '7' ? '3' : '7');
  form.Form().Show();
  const QString name =
      QStringLiteral("%1-%2-%3")
          .arg(choices ? "choices" : "typed", kKindNames[kind], QString::number(hidden));
  return Save(form, folder, name);
}

bool ShootExamples(const QTemporaryDir& home, std::uint32_t seed, const QString& folder) {
  const std::pair<const char*, TPuzzle> examples[] = {
      {"example-addition-345", PuzzleOf(pkAddition, {"3?5", "78", "423"}, 0, "4", 2, 2)},
      {"example-subtraction-105", PuzzleOf(pkSubtraction, {"105", "98", "?"}, 2, "7", 0, 0)},
      {"example-multiplication-492",
       PuzzleOf(pkMultiplication, {"123", "45", "615", "??2", "5535"}, 3, "49", 1, 3)},
      {"example-multiplication-six-digits",
       PuzzleOf(pkMultiplication, {"9998", "98", "79984", "89982", "?79804"}, 4, "9", 1, 6)},
      {"example-division-remainder",
       PuzzleOf(pkDivision, {"12", "34", "413", "36", "53", "48", "?"}, 6, "5", 0, 0)},
      {"example-division-quotient",
       PuzzleOf(pkDivision, {"12", "?4", "413", "36", "53", "48", "5"}, 1, "3", 1, 2)},
      {"example-division-1001",
       PuzzleOf(pkDivision, {"11", "91", "1??1", "99", "11", "11", "0"}, 2, "00", 2, 3)},
  };
  TScratchSetup setup(home, seed);
  TForm1 form(setup);
  form.Form().Show();
  for (const auto& [name, puzzle] : examples) {
    form.OnPuzzleChanged(puzzle);
    if (!Save(form, folder, QString::fromLatin1(name))) return false;
  }
  return true;
}

int Run(std::uint32_t seed, const QString& folder) {
  QTemporaryDir home;
  if (!home.isValid() || !QDir().mkpath(folder)) return 1;
  for (const bool choices : {false, true}) {
    for (int kind = 0; kind < 4; ++kind) {
      for (const int hidden : {1, 2}) {
        if (!Shoot(home, seed, kind, choices, hidden, folder)) return 1;
      }
    }
  }
  return ShootExamples(home, seed, folder) ? 0 : 1;
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
  gapwise::qt::TTimerDriver::SetManualTicks(true);
  return gapwise::Run(seed, args[2]);
}
