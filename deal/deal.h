// gapwise-deal: deals puzzles exactly as the game does and prints them as JSON lines.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "deal/worksheet_request.h"
#include "engine/puzzle.h"
#include "engine/types.h"
#include "settings/registry.h"

namespace gapwise {

struct DealOptions {
  std::optional<std::uint32_t> seed;
  int count = 10;  // -1 when --count was not a whole number within an int
  std::vector<std::uint8_t> kinds{pkAddition, pkSubtraction, pkMultiplication, pkDivision};
  bool kindsGiven = false;
  bool multipleChoice = false;
  bool showSettings = false;     // print the stored settings first; --seed then deals with them
  bool layout = false;           // append each puzzle's screen layout
  std::string worksheet;         // write a PDF worksheet there instead of JSON lines
  std::string answerKey;         // the answer key's file; after parsing, empty with keyInside only
  bool keyInside = false;        // the answer key's pages follow the puzzles in the worksheet
  std::optional<TPaper> paper;   // the worksheet's paper, A4 when not given
  bool showMask = false;         // the worksheet prints the red "?" instead of an empty box
  bool placeholderZero = false;  // the worksheet writes the 0 ending a multiplication's 2nd row
  bool grid = false;             // the worksheet has a light squared background
};

// A worksheet holds at most this many puzzles.
inline constexpr int kMostSheetPuzzles = 1000;

// The answer key's file when --answer-key names none: "sheet.pdf" gives "sheet-key.pdf" beside it.
std::string DefaultKeyPath(const std::string& sheet);

// The one-line usage that follows an argument error.
extern const char* const kDealUsage;

// Parses the arguments after the program name; on a bad one, returns nothing and sets error.
std::optional<DealOptions> ParseDealArgs(const std::vector<std::string>& args, std::string& error);

// A JSON string literal for text.
std::string JsonString(const std::string& text);

// One puzzle as the dealer prints it; choices are appended when given, then its layout when asked.
std::string PuzzleJson(const TPuzzle& puzzle, const std::vector<std::string>* choices,
                       bool layout = false);

// Where the window puts the puzzle's mask, caption and number-dependent labels, as a JSON object.
std::string LayoutJson(const TPuzzle& puzzle);

// The stored settings and the installation folder as --show-settings prints them.
std::string SettingsJson(const TDrillSettings& settings, const std::string& installFolder);

// The whole tool: returns the exit status (0, 1 when the stored settings cannot be loaded or the
// worksheet cannot be written, or 2 for bad arguments). --show-settings reads the stored settings
// through registry (the program passes its platform's, app/backends.h); --worksheet needs a
// writer.
int RunDealer(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              reg::IRegistry& registry, const TWorksheetWriter& writer = {});

}  // namespace gapwise
