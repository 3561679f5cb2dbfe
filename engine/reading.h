// How a screen reader says a puzzle: where the gap is and which places are missing, the rows of
// the calculation in the order a sighted child sees them, and what the child has entered.
#pragma once

#include <string>
#include <vector>

#include "engine/puzzle.h"

namespace gapwise {

struct TPuzzleReading {
  std::string Text;         // "3791 plus question mark 6 3 6 equals 6427"
  std::string Description;  // "one digit is missing in the second number, the thousands"
};

// The text as it is said: each "?" as "question mark", colons left out, blanks collapsed and
// trimmed ("  ? is : " is "question mark is", "3??1" is "3 question mark question mark 1").
std::string SpokenText(const std::string& text);

// The puzzle's rows from top to bottom, with the words between them: multiplication's second
// partial product said to stand one place left, division's working under the dividend, the
// hidden number character by character, the others as numbers; a cell that the puzzle lacks is
// left out.
TPuzzleReading ReadPuzzle(const TPuzzle& puzzle);

// What is said of a puzzle: where the gap is, then the calculation, as one sentence.
std::string Utterance(const TPuzzleReading& reading);

// What has been entered, said after the puzzle on request: "Your answer: 3, one digit of two.",
// "Your answer: nothing yet, two digits." or "Your choice: 27." ("Your choice: none." without
// a selection).
std::string EntryReading(const TPuzzle& puzzle, const std::string& entry);
std::string ChoiceReading(const std::vector<std::string>& choices, int index);

// Said when a digit is typed that the answer has no room for: "The answer has one digit."
std::string EntryFullNotice(const TPuzzle& puzzle);

}  // namespace gapwise
