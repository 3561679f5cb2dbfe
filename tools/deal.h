// gapwise-deal: deals puzzles exactly as the game does and prints them as JSON lines.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/puzzle.h"

namespace gapwise {

struct DealOptions {
  std::optional<std::uint32_t> seed;
  int count = 10;
  std::vector<std::uint8_t> kinds{pkAddition, pkSubtraction, pkMultiplication, pkDivision};
  bool kindsGiven = false;
  bool multipleChoice = false;
};

// Parses the arguments after the program name; on a bad one, returns nothing and sets error.
std::optional<DealOptions> ParseDealArgs(const std::vector<std::string>& args, std::string& error);

// A JSON string literal for text.
std::string JsonString(const std::string& text);

// One puzzle as the dealer prints it; choices are appended when given.
std::string PuzzleJson(const TPuzzle& puzzle, const std::vector<std::string>* choices);

// The whole tool: returns the exit status (0, or 2 for bad arguments).
int RunDealer(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace gapwise
