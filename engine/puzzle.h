// One worked calculation with one or two digits of one cell hidden, and how it is made.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/random.h"
#include "engine/types.h"

namespace gapwise {

struct TPuzzle {
  TPuzzleKind Kind = pkAddition;
  std::vector<std::string> Cells;  // decimal texts in the kind's fixed order, masked cell with "?"
  std::uint8_t MaskedCell = 0;
  std::string Answer;  // the hidden digits, "0" to "99", leading zero kept ("05")
  std::string Mask = "?";
  std::uint8_t HidePos = 0;  // 1-based position of the first hidden character; 0: cell hidden whole
  std::uint8_t TailLen = 0;  // characters from the first hidden one to the end; 0: hidden whole

  friend bool operator==(const TPuzzle&, const TPuzzle&) = default;
};

// Hides one or two digits of cell (in place), setting Answer, Mask, HidePos and TailLen.
// Draws nothing for a one-character cell and exactly two numbers otherwise.
void MaskDigits(std::string& cell, TPuzzle& puzzle, TRandom& random);

// Makes a puzzle of kind (a code 0 to 3): operands, cells, masked cell, masking, in that draw
// order.
TPuzzle MakePuzzle(TPuzzleKind kind, TRandom& random);

// A puzzle as the generators leave it, given by its parts: cells already masked, the answer, and
// where the answer hides (the mask is as long as the answer).
TPuzzle PuzzleOf(TPuzzleKind kind, std::vector<std::string> cells, int masked, std::string answer,
                 int hidePos, int tailLen);

// The masked cell's text with the answer written back over its "?" characters.
std::string UnmaskedCell(const TPuzzle& puzzle, std::size_t index);

}  // namespace gapwise
