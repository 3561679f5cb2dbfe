// How a screen reader says a puzzle: the whole calculation in reading order, and where the gap is.
#pragma once

#include <string>

#include "engine/puzzle.h"

namespace gapwise {

struct TPuzzleReading {
  std::string Text;         // "3791 plus question mark, 6, 3, 6 equals 6427"
  std::string Description;  // "one digit is missing in the second number"
};

// The text as it is said: each "?" as "question mark", colons left out, blanks collapsed and
// trimmed ("  ? is : " is "question mark is", "3??1" is "3 question mark question mark 1").
std::string SpokenText(const std::string& text);

// The puzzle's cells in the order a teacher reads the calculation, with the words between them;
// the hidden number character by character, the others as numbers; a cell that the puzzle lacks
// is left out.
TPuzzleReading ReadPuzzle(const TPuzzle& puzzle);

// What is said of a puzzle: where the gap is, then the calculation, as two sentences.
std::string Utterance(const TPuzzleReading& reading);

}  // namespace gapwise
