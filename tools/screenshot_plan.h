// What the screenshot tools render, on every platform under the same names: each kind of puzzle,
// typed and multiple-choice, with one and with two hidden digits, then the layout's worked
// examples.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/puzzle.h"
#include "ui/forms/main_window.h"

namespace gapwise {

inline constexpr const char* kKindNames[] = {"addition", "subtraction", "multiplication",
                                             "division"};

// "typed-addition-1", "choices-division-2".
inline std::string ShotName(bool choices, int kind, int hidden) {
  return std::string(choices ? "choices" : "typed") + "-" + kKindNames[kind] + "-" +
         std::to_string(hidden);
}

// Calls shoot(kind, choices, hidden) for every shot of a kind of puzzle, typed then multiple
// choice; false as soon as one fails.
template <class TShoot>
bool ForEachShot(TShoot shoot) {
  for (const bool choices : {false, true}) {
    for (int kind = 0; kind < 4; ++kind) {
      for (const int hidden : {1, 2}) {
        if (!shoot(kind, choices, hidden)) return false;
      }
    }
  }
  return true;
}

// Deals puzzles of one kind until one hides `hidden` digits; in typed mode one digit is typed.
// The seconds stand at the full time limit.
inline void PrepareShot(TForm1& form, int kind, bool choices, int hidden) {
  TDrillGame& game = form.Game();
  game.Settings().Ops[0] = static_cast<std::uint8_t>(kind);
  game.Settings().Checked = 1;
  game.Settings().MultChoice = choices;
  form.ApplyTimeLeftRule();
  form.ApplyAnswerBoxRule();
  do {
    game.ApplySettings();
  } while (game.Puzzle().Mask.size() != static_cast<std::size_t>(hidden));
  game.PauseCountdown();
  if (!choices) game.TypeKey(game.Puzzle().Answer[0] == '7' ? '3' : '7');
}

inline std::vector<std::pair<std::string, TPuzzle>> LayoutExamples() {
  return {
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
}

}  // namespace gapwise
