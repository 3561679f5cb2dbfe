// What a printed worksheet holds: the dealt puzzles, how they were dealt, and where it goes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/puzzle.h"

namespace gapwise {

enum class TPaper { A4, Letter };

struct TSheetPuzzle {
  TPuzzle Puzzle;
  std::vector<std::string> Choices;  // the four offered values in multiple-choice mode, else none
};

struct TWorksheet {
  std::string Path;     // the PDF file to write
  std::string KeyPath;  // the answer key's own PDF file; empty: the key comes last in Path
  TPaper Paper = TPaper::A4;
  bool ShowMask = false;         // print the red "?" instead of an empty box
  bool PlaceholderZero = false;  // write the 0 that ends a long multiplication's second row
  bool Grid = false;             // a light squared background under each puzzle
  std::uint32_t Seed = 0;
  std::vector<std::uint8_t> Kinds;  // the kind codes dealt from, as --kinds takes them
  bool MultipleChoice = false;
  std::vector<TSheetPuzzle> Puzzles;
};

// Writes a worksheet; returns an error text for the user, empty when the file has been written.
using TWorksheetWriter = std::function<std::string(const TWorksheet&)>;

}  // namespace gapwise
