#include <cctype>
#include <map>

#include "engine/layout.h"
#include "sheet_support.h"

namespace gapwise {
namespace {

// The rows of a puzzle as they read from top to bottom, each the digits of its cells from left to
// right, hidden ones left out unless shown as "?"; then the offered values.
std::vector<std::string> ExpectedRows(const TSheetPuzzle& item, bool showMask) {
  const TPuzzleLayout layout = LayoutPuzzle(item.Puzzle);
  std::map<int, std::map<int, std::string>> rows;  // by top, then by left
  for (std::size_t i = 0; i < layout.Texts.size(); ++i) {
    std::string& text = rows[layout.Boxes[i].Top][layout.Boxes[i].Left];
    for (const char c : layout.Texts[i]) {
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

TEST_P(Worksheet, PrintsEveryCellInItsColumnAndRow) {
  const TSheetPage page = PageOf(GetParam());
  const bool showMask = Has(GetParam().sheet, "--show-mask");
  for (int i = 0; i < static_cast<int>(puzzles_.size()); ++i) {
    const TPuzzlePlace place = PuzzlePlace(page, i % page.PerPage());
    const int number = i / page.PerPage() + 1;
    const std::string text = Text(pdf_, number, number, &place.Cell);
    EXPECT_EQ(PrintedRows(text), ExpectedRows(puzzles_[i], showMask)) << "puzzle " << i + 1 << ":\n"
                                                                      << text;
  }
}

// Each pupil's page: the instruction, the fields with the page's own number of puzzles, and its
// number among the pupils' pages. The key, on pages of its own or in its own file: its heading,
// the command that deals the puzzles again, every answer, and its own page numbers.
TEST_P(Worksheet, NumbersThePupilsPagesAmongThemselvesAndPutsTheKeyApart) {
  const TSheetPage page = PageOf(GetParam());
  const int count = static_cast<int>(puzzles_.size());
  const int pupils = PuzzlePages(page, count), keys = KeyPages(page, count);
  const std::string instruction = page.MultipleChoice ? "Circle the right value."
                                  : Has(GetParam().sheet, "--show-mask")
                                      ? "Write the missing digit for each red question mark."
                                      : "Write the missing digits in the boxes.";
  for (int i = 1; i <= pupils; ++i) {
    const std::string text = Text(pdf_, i, i);
    const int puzzles = std::min(page.PerPage(), count - (i - 1) * page.PerPage());
    EXPECT_TRUE(Contains(text, "Gapwise worksheet")) << i;
    EXPECT_TRUE(Contains(text, "seed " + GetParam().deal.at(1))) << i;
    EXPECT_TRUE(Contains(text, instruction)) << text;
    EXPECT_TRUE(Contains(text, "Name") && Contains(text, "Date")) << text;
    std::string score = text.substr(text.find("Score:"));
    score.resize(score.find('\n'));
    std::erase(score, ' ');
    EXPECT_EQ(score, "Score:/" + std::to_string(puzzles));
    EXPECT_TRUE(Contains(text, "Page " + std::to_string(i) + " of " + std::to_string(pupils)));
    EXPECT_FALSE(Contains(text, "Answer key") || Contains(text, "Deal again")) << text;
  }
  const std::string& keyFile = GetParam().keyApart ? key_ : pdf_;
  const int first = GetParam().keyApart ? 1 : pupils + 1;
  EXPECT_EQ(PageCount(pdf_), GetParam().keyApart ? pupils : pupils + keys);
  if (GetParam().keyApart) {
    EXPECT_EQ(PageCount(key_), keys);
  }
  std::map<std::string, std::string> answers;
  for (int i = 0; i < keys; ++i) {
    const std::string text = Text(keyFile, first + i, first + i);
    EXPECT_TRUE(Contains(text, "Answer key\n")) << text;
    EXPECT_TRUE(Contains(text, "Deal again: gapwise-deal --seed " + GetParam().deal.at(1)));
    EXPECT_TRUE(Contains(
        text, "Answer key, page " + std::to_string(i + 1) + " of " + std::to_string(keys)));
    const std::vector<std::string> words = Words(text);
    for (std::size_t k = 0; k + 1 < words.size(); ++k) {
      if (words[k].back() == '.' && std::isdigit(static_cast<unsigned char>(words[k][0])))
        answers[words[k]] = words[k + 1];
    }
  }
  ASSERT_EQ(answers.size(), puzzles_.size());
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(answers[std::to_string(i + 1) + "."], puzzles_[i].Puzzle.Answer) << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, Worksheet,
    ::testing::Values(
        SheetCase{"A4", {"--seed", "7", "--count", "40"}, {}},
        SheetCase{"LetterChoicesShownMask",
                  {"--seed", "11", "--count", "25", "--kinds", "2,3", "--multiple-choice"},
                  {"--paper", "letter", "--show-mask"}},
        SheetCase{
            "A4AdditionsKeyApart", {"--seed", "3", "--count", "70", "--kinds", "0"}, {}, true},
        SheetCase{"LetterChoicesKeyApart",
                  {"--seed", "5", "--count", "20", "--kinds", "1,3", "--multiple-choice"},
                  {"--paper=letter"},
                  true}),
    kCaseName);

}  // namespace
}  // namespace gapwise
