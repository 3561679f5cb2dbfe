#include "engine/reading.h"

#include <array>
#include <cctype>

namespace gapwise {
namespace {

// Numbers of this many digits or more are read digit by digit, which is shorter and says the
// columns; smaller ones as numbers.
constexpr std::size_t kDigitByDigit = 3;

// One cell of the reading, and the words that come before it.
struct TReadStep {
  const char* Words;
  std::size_t Cell;
};

// Top to bottom as the puzzle is drawn: multiplication's second partial product stands one
// column to the left; division's quotient stands above the dividend, and under it the first
// partial product, what it leaves with the next digit brought down, the second partial product
// and the remainder.
const std::vector<TReadStep>& ReadingOrder(TPuzzleKind kind) {
  static const std::array<std::vector<TReadStep>, kKindCount> orders{{
      {{"", 0}, {" plus ", 1}, {" equals ", 2}},
      {{"", 0}, {" minus ", 1}, {" equals ", 2}},
      {{"", 0},
       {" times ", 1},
       {", partial products ", 2},
       {", one place left ", 3},
       {", product ", 4}},
      {{"", 2},
       {" divided by ", 0},
       {" is ", 1},
       {", partial products ", 3},
       {", leaves ", 4},
       {", then ", 5},
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

const char* PlaceName(std::size_t place) {
  static constexpr std::array<const char*, 7> kPlaces{
      "ones", "tens", "hundreds", "thousands", "ten thousands", "hundred thousands", "millions"};
  return place < kPlaces.size() ? kPlaces[place] : "";
}

// "the tens and the ones": the places of the hidden characters, counted from the right.
std::string MissingPlaces(const std::string& cell) {
  std::string out;
  for (std::size_t i = 0; i < cell.size(); ++i) {
    if (cell[i] != '?') continue;
    out += std::string(out.empty() ? "the " : " and the ") + PlaceName(cell.size() - 1 - i);
  }
  return out;
}

std::string GapDescription(const TPuzzle& puzzle) {
  const std::vector<const char*>& names = CellNames(puzzle.Kind);
  if (puzzle.MaskedCell >= names.size() || puzzle.MaskedCell >= puzzle.Cells.size()) return "";
  const char* count = puzzle.Mask.size() == 2 ? "two digits are" : "one digit is";
  return std::string(count) + " missing in the " + names[puzzle.MaskedCell] + ", " +
         MissingPlaces(puzzle.Cells[puzzle.MaskedCell]);
}

// A number's characters one by one, as they stand in their columns, so that the place of a gap
// is heard: "8 question mark 5 3".
std::string SpokenDigits(const std::string& cell) {
  std::string out;
  for (const char c : cell) {
    if (!out.empty()) out += ' ';
    out += c == '?' ? std::string("question mark") : std::string(1, c);
  }
  return out;
}

const char* CountWord(std::size_t count) {
  return count == 1 ? "one" : "two";
}

std::string Digits(std::size_t count) {
  return std::string(CountWord(count)) + (count == 1 ? " digit" : " digits");
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
    const bool byDigit = step.Cell == puzzle.MaskedCell || cell.size() >= kDigitByDigit;
    reading.Text += step.Words + (byDigit ? SpokenDigits(cell) : cell);
  }
  reading.Description = GapDescription(puzzle);
  return reading;
}

std::string Utterance(const TPuzzleReading& reading) {
  std::string out = reading.Description;
  if (!out.empty()) {
    out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
    out += ": ";
  }
  return out + reading.Text + ".";
}

std::string EntryReading(const TPuzzle& puzzle, const std::string& entry) {
  const std::size_t length = puzzle.Answer.size();
  if (entry.empty()) return "Your answer: nothing yet, " + Digits(length) + ".";
  return "Your answer: " + entry + ", " + Digits(entry.size()) + " of " + CountWord(length) + ".";
}

std::string ChoiceReading(const std::vector<std::string>& choices, int index) {
  if (index < 0 || index >= static_cast<int>(choices.size())) return "Your choice: none.";
  return "Your choice: " + choices[static_cast<std::size_t>(index)] + ".";
}

std::string EntryFullNotice(const TPuzzle& puzzle) {
  return "The answer has " + Digits(puzzle.Answer.size()) + ".";
}

}  // namespace gapwise
