#include <cctype>
#include <map>

#include "engine/layout.h"
#include "sheet_support.h"

namespace gapwise {
namespace {

// The rows of a puzzle as they read from top to bottom, each the digits of its cells from left to
// right: hidden ones left out, shown as "?" with showMask, or written in on the key; then the
// offered values. A long multiplication's second row ends in its placeholder zero when asked.
std::vector<std::string> ExpectedRows(const TSheetPuzzle& item, bool showMask, bool key,
                                      bool zero) {
  TPuzzle puzzle = item.Puzzle;
  if (key) puzzle.Cells[puzzle.MaskedCell] = UnmaskedCell(puzzle, puzzle.MaskedCell);
  if (zero && puzzle.Kind == pkMultiplication) puzzle.Cells[3] += '0';
  const TPuzzleLayout layout = SheetLayout(item.Puzzle);
  std::map<int, std::map<int, std::string>> rows;  // by top, then by left
  for (std::size_t i = 0; i < layout.Texts.size(); ++i) {
    std::string& text = rows[layout.Boxes[i].Top][layout.Boxes[i].Left];
    for (const char c : puzzle.Cells[i]) {
      if (std::isdigit(static_cast<unsigned char>(c)) || (c == '?' && showMask)) text += c;
    }
  }
  std::vector<std::string> expected;
  for (const auto& [top, cells] : rows) {
    std::string row;
    for (const auto& [left, text] : cells) row += text;
    if (!row.empty()) expected.push_back(row);
  }
  std::string choices;
  for (const std::string& choice : item.Choices) choices += choice;
  if (!choices.empty()) expected.push_back(choices);
  return expected;
}

// What a puzzle's cell reads, line by line, without its number ("12."), signs and blanks.
std::vector<std::string> PrintedRows(const std::string& text) {
  std::vector<std::string> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::string row;
    for (const std::string& word : Words(line)) {
      if (word.back() == '.') continue;
      for (const char c : word) {
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '?') row += c;
      }
    }
    if (!row.empty()) rows.push_back(row);
  }
  return rows;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The pupil's copy and the key's copy of every puzzle, row by row.
TEST_P(Worksheet, PrintsEveryCellInItsColumnAndRowOnTheSheetAndTheKey) {
  const TSheetPage page = PageOf(GetParam());
  const bool showMask = Has(GetParam().sheet, "--show-mask");
  const bool zero = Has(GetParam().sheet, "--placeholder-zero");
  for (int i = 0; i < static_cast<int>(puzzles_.size()); ++i) {
    const TPuzzlePlace place = PuzzlePlace(page, i % page.PerPage());
    const int number = i / page.PerPage() + 1;
    for (const bool key : {false, true}) {
      const std::string text =
          key ? Text(key_, keyFirst_ + number - 1, keyFirst_ + number - 1, &place.Cell)
              : Text(pdf_, number, number, &place.Cell);
      EXPECT_EQ(PrintedRows(text), ExpectedRows(puzzles_[i], showMask, key, zero))
          << (key ? "key of " : "") << "puzzle " << i + 1 << ":\n"
          << text;
    }
  }
}

// Each pupil's page: the instruction, the sheet's total on the first of several, the fields with
// the page's own number of puzzles, its number among the pupils' pages. The key, as many pages:
// its heading, its own page numbers, and on its first page a command that deals the very same
// sheet and key again.
TEST_P(Worksheet, NumbersThePagesAndGivesTheKeyTheCommandThatDealsTheSheetAgain) {
  const TSheetPage page = PageOf(GetParam());
  const int count = static_cast<int>(puzzles_.size());
  const int pupils = PuzzlePages(page, count);
  const std::string instruction = page.MultipleChoice ? "Circle the right value."
                                  : Has(GetParam().sheet, "--show-mask")
                                      ? "Write the missing digit for each red question mark."
                                      : "Write the missing digits in the boxes.";
  const auto line = [](const std::string& text, const std::string& start) {
    if (!Contains(text, start)) return std::string();
    std::string found = text.substr(text.find(start));
    found.resize(found.find('\n'));
    std::erase(found, ' ');
    return found;
  };
  for (int i = 1; i <= pupils; ++i) {
    const std::string text = Text(pdf_, i, i);
    const int puzzles = std::min(page.PerPage(), count - (i - 1) * page.PerPage());
    EXPECT_TRUE(Contains(text, "Gapwise worksheet")) << i;
    EXPECT_TRUE(Contains(text, "seed " + GetParam().deal.at(1))) << i;
    EXPECT_TRUE(Contains(text, instruction)) << text;
    EXPECT_TRUE(Contains(text, "Name") && Contains(text, "Date")) << text;
    EXPECT_EQ(line(text, "Score:"), "Score:/" + std::to_string(puzzles));
    EXPECT_EQ(line(text, "Total:"), i == 1 && pupils > 1 ? "Total:/" + std::to_string(count) : "");
    EXPECT_TRUE(Contains(text, "Page " + std::to_string(i) + " of " + std::to_string(pupils)));
    EXPECT_FALSE(Contains(text, "Answer key") || Contains(text, "Deal again")) << text;
  }
  EXPECT_EQ(PageCount(pdf_), key_ == pdf_ ? 2 * pupils : pupils);
  if (key_ != pdf_) {
    EXPECT_EQ(PageCount(key_), pupils);
  }
  for (int i = 0; i < pupils; ++i) {
    const std::string text = Text(key_, keyFirst_ + i, keyFirst_ + i);
    EXPECT_TRUE(Contains(text, "Answer key\n")) << text;
    EXPECT_EQ(Contains(text, "Deal again: gapwise-deal "), i == 0) << text;
    EXPECT_TRUE(Contains(
        text, "Answer key, page " + std::to_string(i + 1) + " of " + std::to_string(pupils)));
  }
  // The command, run in another folder, gives the same pages.
  std::vector<std::string> again = Words(Text(key_, keyFirst_, keyFirst_, &page.Header));
  again.erase(again.begin(), std::find(again.begin(), again.end(), "gapwise-deal") + 1);
  const TTempFolder other;
  const std::string name = std::filesystem::path(pdf_).filename().string();
  std::vector<std::string> command{"-c", "cd \"$0\" && exec \"$@\"", other.Path.string(),
                                   GAPWISE_DEAL};
  command.insert(command.end(), again.begin(), again.end());
  ASSERT_EQ(RunProgram("sh", command).status, 0) << ::testing::PrintToString(again);
  const std::filesystem::path keyAgain = other.Path / std::filesystem::path(key_).filename();
  const auto whole = [](const std::string& pdf) { return Text(pdf, 1, PageCount(pdf)); };
  EXPECT_EQ(whole((other.Path / name).string()), whole(pdf_));
  EXPECT_EQ(whole(keyAgain.string()), whole(key_));
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, Worksheet,
    ::testing::Values(
        SheetCase{"A4", {"--seed", "7", "--count", "40"}, {}},
        SheetCase{"LetterChoicesShownMaskKeyInside",
                  {"--seed", "11", "--count", "10", "--kinds", "2,3", "--multiple-choice"},
                  {"--paper", "letter", "--show-mask", "--key-inside"}},
        SheetCase{"A4AdditionsKeyNamed",
                  {"--seed", "3", "--count", "70", "--kinds", "0"},
                  {"--grid"},
                  true},
        SheetCase{"LetterProductsZeroKeyNamed",
                  {"--seed", "5", "--count", "20", "--kinds", "1,2", "--multiple-choice"},
                  {"--paper=letter", "--placeholder-zero"},
                  true}),
    kCaseName);

}  // namespace
}  // namespace gapwise
