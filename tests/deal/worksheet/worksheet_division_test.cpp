// Where the key's digits stand, read by pdftotext -bbox: a long division as schools write it, and
// every written-in answer in its box on the pupil's page.
#include "engine/layout.h"
#include "sheet_support.h"

namespace gapwise {
namespace {

constexpr double kSlack = 1;  // points

// The words inside a puzzle's cell, row by row from the top, each row from left to right.
std::vector<std::vector<TWord>> Rows(const std::vector<TWord>& words, const TSheetRect& cell) {
  std::vector<TWord> inside;
  for (const TWord& w : words) {
    const bool number = w.Text.back() == '.';  // the puzzle's number, "12."
    if (!number && w.Left > cell.Left && w.Right < cell.Right() && w.Top > cell.Top &&
        w.Bottom < cell.Bottom())
      inside.push_back(w);
  }
  std::sort(inside.begin(), inside.end(), [](const TWord& a, const TWord& b) {
    return a.Top + 2 < b.Top || (std::abs(a.Top - b.Top) <= 2 && a.Left < b.Left);
  });
  std::vector<std::vector<TWord>> rows;
  for (const TWord& w : inside) {
    if (rows.empty() || std::abs(rows.back().front().Top - w.Top) > 2) rows.emplace_back();
    rows.back().push_back(w);
  }
  return rows;
}

// How many of the dividend's first digits make the first partial dividend.
std::size_t FirstPartialDividend(const std::string& dividend, int divisor) {
  std::size_t length = 1;
  while (std::stoi(dividend.substr(0, length)) < divisor) ++length;
  return length;
}

using Division = Worksheet;

// On the key, where every digit is printed: each quotient digit over the last digit of the partial
// dividend it comes from, the remainder's last digit under the dividend's last, "r" before it.
TEST_P(Division, WritesEachQuotientDigitOverItsPartialDividendAndRBeforeTheRemainder) {
  const TSheetPage page = PageOf(GetParam());
  std::set<std::size_t> firstLengths;
  for (int p = 0; p < PuzzlePages(page, static_cast<int>(puzzles_.size())); ++p) {
    const std::vector<TWord> words = PageWords(key_, keyFirst_ + p);
    for (int slot = 0; slot < page.PerPage(); ++slot) {
      const std::size_t i = static_cast<std::size_t>(p * page.PerPage() + slot);
      if (i >= puzzles_.size() || puzzles_[i].Puzzle.Kind != pkDivision) continue;
      SCOPED_TRACE("puzzle " + std::to_string(i + 1));
      const TPuzzle& puzzle = puzzles_[i].Puzzle;
      const std::string quotient = UnmaskedCell(puzzle, 1), dividend = UnmaskedCell(puzzle, 2);
      const auto rows = Rows(words, PuzzlePlace(page, slot).Cell);
      ASSERT_GE(rows.size(), 6u);
      ASSERT_EQ(rows[0].size(), quotient.size());
      const std::vector<TWord> dividendDigits(rows[1].end() - dividend.size(), rows[1].end());
      const std::size_t first = FirstPartialDividend(dividend, std::stoi(UnmaskedCell(puzzle, 0)));
      firstLengths.insert(first);
      for (std::size_t k = 0; k < quotient.size(); ++k) {
        EXPECT_EQ(rows[0][k].Text, quotient.substr(k, 1));
        EXPECT_NEAR(rows[0][k].Middle(), dividendDigits.at(first - 1 + k).Middle(), kSlack) << k;
      }
      const std::vector<TWord>& last = rows.at(rows.size() - (puzzles_[i].Choices.empty() ? 1 : 2));
      EXPECT_EQ(last.front().Text, "r");
      EXPECT_NEAR(last.back().Middle(), dividendDigits.back().Middle(), kSlack);
      EXPECT_LT(last.front().Right, last.at(1).Left);
    }
  }
  EXPECT_EQ(firstLengths, (std::set<std::size_t>{2, 3})) << "both kinds of division were dealt";
}

// Each hidden digit written in on the key stands in the box that the pupil's page has for it.
TEST_P(Division, WritesTheKeysDigitsInThePupilsBoxes) {
  const TSheetPage page = PageOf(GetParam());
  const std::vector<TWord> words = PageWords(key_, keyFirst_);
  for (int slot = 0; slot < std::min<int>(page.PerPage(), puzzles_.size()); ++slot) {
    const TPuzzle& puzzle = puzzles_[slot].Puzzle;
    const std::vector<TSheetRect> boxes =
        GapBoxes(PuzzlePlace(page, slot), SheetLayout(puzzle), puzzle);
    ASSERT_EQ(boxes.size(), puzzle.Answer.size());
    for (std::size_t k = 0; k < boxes.size(); ++k) {
      const TSheetRect& b = boxes[k];
      const auto inBox = [&](const TWord& w) {
        return w.Left >= b.Left && w.Right <= b.Right() && w.Top >= b.Top - kSlack &&
               w.Bottom <= b.Bottom() + kSlack;
      };
      const auto found = std::find_if(words.begin(), words.end(), inBox);
      ASSERT_NE(found, words.end()) << "puzzle " << slot + 1 << ", digit " << k;
      EXPECT_EQ(found->Text, puzzle.Answer.substr(k, 1)) << "puzzle " << slot + 1;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Divisions, Division,
    ::testing::Values(SheetCase{"A4", {"--seed", "8", "--count", "24", "--kinds", "3"}, {}},
                      SheetCase{
                          "LetterChoicesKeyInside",
                          {"--seed", "13", "--count", "20", "--kinds", "3", "--multiple-choice"},
                          {"--paper", "letter", "--key-inside"}}),
    kCaseName);

}  // namespace
}  // namespace gapwise
