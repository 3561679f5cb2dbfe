// The four values offered in multiple-choice mode.
#pragma once

#include <string>
#include <vector>

#include "engine/random.h"

namespace gapwise {

struct TChoices {
  std::vector<std::string> Items;  // four distinct texts of the answer's width, one the answer
  int Index = 0;                   // the selected entry: always 0 after building
};

// Three distinct random distractors and the answer at a random place. An answer that is not one
// or two digits is offered alone among one-digit values, so the list still holds it exactly once.
TChoices BuildChoices(const std::string& answer, TRandom& random);

}  // namespace gapwise
