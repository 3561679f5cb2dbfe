#include "deal/deal.h"

#include <cstdio>

#include "engine/game.h"
#include "engine/layout.h"
#include "settings/store.h"

namespace gapwise {

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

namespace {

std::string JsonList(const std::vector<std::string>& items) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ',';
    out += JsonString(items[i]);
  }
  return out + "]";
}

}  // namespace

std::string LayoutJson(const TPuzzle& puzzle) {
  const TPuzzleLayout layout = LayoutPuzzle(puzzle);
  const TNumberGeometry& g = layout.Geometry;
  const auto pair = [](int a, int b) {
    std::string text(1, '[');
    text += std::to_string(a);
    text += ',';
    text += std::to_string(b);
    return text + ']';
  };
  std::string out = "{\"maskTop\":" + std::to_string(layout.MaskTop);
  out += ",\"caption\":" + JsonString(layout.Caption);
  if (puzzle.Kind == pkMultiplication) {
    out += ",\"rule\":" + pair(g.RuleLeft, g.RuleWidth);
  } else if (puzzle.Kind == pkDivision) {
    out += ",\"lowerLeft\":" + std::to_string(g.LowerLeft);
    out += ",\"label34Width\":" + std::to_string(g.Label34Width);
    out += ",\"label35\":" + pair(g.Label35Left, g.Label35Width);
    out += ",\"label33Left\":" + std::to_string(g.Label33Left);
  } else {
    out += std::string(",\"blank\":") + (layout.Blank ? "true" : "false");
  }
  return out + ",\"maskLeft\":" + std::to_string(layout.MaskLeft) + "}";
}

std::string PuzzleJson(const TPuzzle& puzzle, const std::vector<std::string>* choices,
                       bool layout) {
  std::string out = "{\"kind\":" + std::to_string(puzzle.Kind);
  out += ",\"cells\":" + JsonList(puzzle.Cells);
  out += ",\"masked\":" + std::to_string(puzzle.MaskedCell);
  out += ",\"answer\":" + JsonString(puzzle.Answer);
  out += ",\"mask\":" + JsonString(puzzle.Mask);
  out += ",\"hidepos\":" + std::to_string(puzzle.HidePos);
  out += ",\"taillen\":" + std::to_string(puzzle.TailLen);
  if (choices) out += ",\"choices\":" + JsonList(*choices);
  if (layout) out += ",\"layout\":" + LayoutJson(puzzle);
  return out + "}";
}

std::string SettingsJson(const TDrillSettings& settings, const std::string& installFolder) {
  // Appended piece by piece (a literal plus a temporary string makes mingw's GCC 12 warn).
  const auto flag = [](bool on) { return on ? "true" : "false"; };
  std::string out = "{\"tlimited\":";
  out += flag(settings.TimeLimited);
  out += ",\"showr\":";
  out += flag(settings.ShowRight);
  out += ",\"multc\":";
  out += flag(settings.MultChoice);
  out += ",\"timelimit\":" + std::to_string(settings.TimeLimit);
  out += ",\"checked\":" + std::to_string(settings.Checked);
  out += ",\"ops\":[";
  for (std::size_t i = 0; i < settings.Ops.size(); ++i) {
    if (i > 0) out += ',';
    out += std::to_string(settings.Ops[i]);
  }
  return out + "],\"installFolder\":" + JsonString(installFolder) + "}";
}

namespace {

// Starts the game as the program does, loading the stored settings, and prints them; on a load
// error prints the store's message alone (unless the store has printed it already) and returns
// false.
bool ShowSettings(TDrillGame& game, reg::IRegistry& registry, std::ostream& out,
                  std::ostream& err) {
  std::string installFolder;
  try {
    game.Start([&](TDrillSettings& settings) { LoadSettings(settings, installFolder, registry); });
  } catch (const ESettingsFileUnreadable&) {
    return false;
  } catch (const ERegistryException& e) {
    err << e.what() << "\n";
    return false;
  }
  out << SettingsJson(game.Settings(), installFolder) << "\n";
  return true;
}

// Deals the puzzles into a worksheet and has it written; 1 with a one-line error when it fails.
int DealWorksheet(TDrillGame& game, const DealOptions& options, const TWorksheetWriter& write,
                  std::ostream& err) {
  const TDrillSettings& settings = game.Settings();
  TWorksheet sheet;
  sheet.Path = options.worksheet;
  sheet.KeyPath = options.answerKey;
  sheet.Paper = options.paper.value_or(TPaper::A4);
  sheet.ShowMask = options.showMask;
  sheet.PlaceholderZero = options.placeholderZero;
  sheet.Grid = options.grid;
  sheet.Seed = *options.seed;
  for (int i = 0; i < EntriesInForce(settings); ++i) {
    sheet.Kinds.push_back(KindOfEntry(settings.Ops[static_cast<std::size_t>(i)]));
  }
  sheet.MultipleChoice = settings.MultChoice;
  for (int i = 0; i < options.count; ++i) {
    game.NextPuzzle();
    sheet.Puzzles.push_back(
        {game.Puzzle(), settings.MultChoice ? game.Choices() : std::vector<std::string>{}});
  }
  const std::string error = write(sheet);
  if (error.empty()) return 0;
  err << "gapwise-deal: " << error << "\n";
  return 1;
}

}  // namespace

int RunDealer(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              reg::IRegistry& registry, const TWorksheetWriter& writer) {
  std::string error;
  auto options = ParseDealArgs(args, error);
  if (options && !options->seed && !options->showSettings) error = "--seed is required";
  if (options && !options->worksheet.empty() && !writer) error = "this build writes no worksheets";
  if (!options || !error.empty()) {
    err << "gapwise-deal: " << error << "; " << kDealUsage << "\n";
    return 2;
  }
  IDrillView view;
  TDrillGame game(view);
  TDrillSettings& settings = game.Settings();
  if (options->showSettings) {
    if (!ShowSettings(game, registry, out, err)) return 1;
    if (!options->seed) return 0;
  }
  // With --show-settings the loaded kinds and mode stand unless given here.
  if (!options->showSettings || options->kindsGiven) {
    for (std::size_t i = 0; i < options->kinds.size(); ++i) settings.Ops[i] = options->kinds[i];
    settings.Checked = static_cast<std::uint8_t>(options->kinds.size());
  }
  if (!options->showSettings || options->multipleChoice) {
    settings.MultChoice = options->multipleChoice;
  }
  game.Random().Seed(*options->seed);
  if (!options->worksheet.empty()) return DealWorksheet(game, *options, writer, err);
  for (int i = 0; i < options->count; ++i) {
    game.NextPuzzle();
    out << PuzzleJson(game.Puzzle(), settings.MultChoice ? &game.Choices() : nullptr,
                      options->layout)
        << "\n";
  }
  return 0;
}

}  // namespace gapwise
