// Settings and answers that the tests of the main window, on every backend, build their rows
// from.
#pragma once

#include <string>

#include "engine/types.h"

namespace gapwise::testing {

// The default settings in the given answer mode, with or without a time limit.
inline TDrillSettings Settings(bool choices, bool timed, int limit = 30) {
  TDrillSettings settings;
  settings.MultChoice = choices;
  settings.TimeLimited = timed;
  settings.TimeLimit = limit;
  return settings;
}

// A wrong answer of the right length.
inline std::string WrongFor(std::string answer) {
  answer[0] = answer[0] == '9' ? '1' : static_cast<char>(answer[0] + 1);
  return answer;
}

}  // namespace gapwise::testing
