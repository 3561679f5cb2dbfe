#include "engine/reading.h"

#include <array>
#include <cctype>
#include <vector>

namespace gapwise {
namespace {

// One cell of the reading, and the words that come before it.
struct TReadStep {
  const char* Words;
  std::size_t Cell;
};

const std::vector<TReadStep>& ReadingOrder(TPuzzleKind kind) {
  static const std::array<std::vector<TReadStep>, kKindCount> orders{{
      {{"", 0}, {" plus ", 1}, {" equals ", 2}},
      {{"", 0}, {" minus ", 1}, {" equals ", 2}},
      {{"", 0},
       {" times ", 1},
       {", first partial product ", 2},
       {", second partial product ", 3},
       {", product ", 4}},
      {{"", 2},
       {" divided by ", 0},
       {" equals ", 1},
       {", first partial product ", 3},
       {", intermediate dividend ", 4},
       {", second partial product ", 5},
       {", remainder ", 6}},
  }};
  return orders[kind < kKindCount ? kind : pkAddition];
}

// What each cell is called, in the kind's cell order.
const std::vector<const char*>& CellNames(TPuzzleKind kind) {
  static const std::array<std::vector<const char*>, kKindCount> names{{
      {"first number", "second number", "sum"},
      {"first number", "second number", "difference"},
      {"first number", "second number", "first partial product", "second partial product",
       "product"},
      {"divisor", "quotient", "dividend", "first partial product", "intermediate dividend",
       "second partial product", "remainder"},
  }};
  return names[kind < kKindCount ? kind : pkAddition];
}

std::string GapDescription(const TPuzzle& puzzle) {
  const std::vector<const char*>& names = CellNames(puzzle.Kind);
  if (puzzle.MaskedCell >= names.size()) return "";
  const char* count = puzzle.Mask.size() == 2 ? "two digits are" : "one digit is";
  return std::string(count) + " missing in the " + names[puzzle.MaskedCell];
}

// The hidden number's characters one by one, so that the place of the gap is heard:
// "8, question mark, 5, 3".
std::string SpokenDigits(const std::string& cell) {
  std::string out;
  for (const char c : cell) {
    if (!out.empty()) out += ", ";
    out += c == '?' ? std::string("question mark") : std::string(1, c);
  }
  return out;
}

}  // namespace

std::string SpokenText(const std::string& text) {
  std::string spaced;
  for (const char c : text) {
    if (c == '?') {
      spaced += " question mark ";
    } else {
      spaced += c == ':' ? ' ' : c;
    }
  }
  std::string out;
  for (const char c : spaced) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

TPuzzleReading ReadPuzzle(const TPuzzle& puzzle) {
  TPuzzleReading reading;
  for (const TReadStep& step : ReadingOrder(puzzle.Kind)) {
    if (step.Cell >= puzzle.Cells.size()) continue;
    const std::string& cell = puzzle.Cells[step.Cell];
    reading.Text += step.Words + (step.Cell == puzzle.MaskedCell ? SpokenDigits(cell) : cell);
  }
  reading.Description = GapDescription(puzzle);
  return reading;
}

std::string Utterance(const TPuzzleReading& reading) {
  std::string out = reading.Description;
  if (!out.empty()) {
    out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
    out += ". ";
  }
  return out + reading.Text + ".";
}

}  // namespace gapwise
