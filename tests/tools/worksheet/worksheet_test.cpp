#include <algorithm>
#include <map>
#include <numeric>

#include "engine/layout.h"
#include "sheet_support.h"
#include "tools/worksheet_layout.h"

namespace gapwise {
namespace {

struct SheetCase {
  std::string name;
  std::vector<std::string> deal;   // the arguments of the JSON lines and of the sheet
  std::vector<std::string> sheet;  // what the sheet adds
  TPaper paper;
  bool showMask;
  friend std::ostream& operator<<(std::ostream& out, const SheetCase& c) { return out << c.name; }
};

// A dealt worksheet: its puzzles from the JSON lines of the same arguments, and its PDF.
class Worksheet : public ::testing::TestWithParam<SheetCase> {
 protected:
  void SetUp() override {
    puzzles_ = DealtPuzzles(GetParam().deal);
    std::vector<std::string> args = GetParam().deal;
    args.insert(args.end(), GetParam().sheet.begin(), GetParam().sheet.end());
    args.insert(args.end(), {"--worksheet", pdf_});
    const TRun run = Deal(args);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(run.out.empty() && run.err.empty()) << run.out << run.err;
  }

  std::string Text(int first, int last, const TSheetRect* crop = nullptr) const {
    std::vector<std::string> args{"-layout", "-f", std::to_string(first), "-l",
                                  std::to_string(last)};
    if (crop != nullptr) {
      const auto at = [&](double v) { return std::to_string(static_cast<int>(v)); };
      args.insert(args.end(), {"-x", at(crop->Left + 1), "-y", at(crop->Top + 1), "-W",
                               at(crop->Width - 2), "-H", at(crop->Height - 2)});
    }
    args.insert(args.end(), {pdf_, "-"});
    return RunProgram("pdftotext", args).out;
  }

  TTempFolder folder_;
  std::string pdf_ = (folder_.Path / "sheet.pdf").string();
  std::vector<TSheetPuzzle> puzzles_;
};

// The cells as they read from top to bottom and left to right, hidden digits left out unless
// shown as "?", then the offered values.
std::vector<std::string> ExpectedWords(const TSheetPuzzle& item, bool showMask) {
  const TPuzzleLayout layout = LayoutPuzzle(item.Puzzle);
  std::vector<std::size_t> order(layout.Texts.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const TCellBox &x = layout.Boxes[a], &y = layout.Boxes[b];
    return std::tie(x.Top, x.Left) < std::tie(y.Top, y.Left);
  });
  std::string text;
  for (const std::size_t i : order) {
    std::string cell = layout.Texts[i];
    if (!showMask) std::replace(cell.begin(), cell.end(), '?', ' ');
    text += cell + ' ';
  }
  std::vector<std::string> words = Words(text);
  words.insert(words.end(), item.Choices.begin(), item.Choices.end());
  return words;
}

// What a puzzle's cell reads without its number ("12.") and its sign, which may touch the number
// beside it.
std::vector<std::string> PrintedWords(const std::string& text) {
  std::vector<std::string> words;
  for (std::string word : Words(text)) {
    if (word.back() == '.') continue;
    if (word.find_first_of("+-x") == 0) word.erase(0, 1);
    if (!word.empty()) words.push_back(word);
  }
  return words;
}

TEST_P(Worksheet, PrintsEveryCellInItsPlaceAndEveryAnswerInTheKey) {
  const TSheetPage page = SheetPage(GetParam().paper);
  const bool choices = !puzzles_.front().Choices.empty();
  const int count = static_cast<int>(puzzles_.size());
  const std::string seed = GetParam().deal.at(1);
  EXPECT_NE(Text(1, 1).find("Gapwise worksheet"), std::string::npos);
  EXPECT_NE(Text(1, 1).find("seed " + seed), std::string::npos);
  for (int i = 0; i < count; ++i) {
    const TPuzzlePlace place = PuzzlePlace(page, choices, i % kPuzzlesPerPage);
    const std::string text = Text(i / kPuzzlesPerPage + 1, i / kPuzzlesPerPage + 1, &place.Cell);
    EXPECT_EQ(PrintedWords(text), ExpectedWords(puzzles_[i], GetParam().showMask))
        << "puzzle " << i + 1 << ":\n"
        << text;
  }
  const int first = PuzzlePages(count) + 1;
  const std::vector<std::string> key = Words(Text(first, first + KeyPages(page, count) - 1));
  std::map<std::string, std::string> answers;
  for (std::size_t i = 0; i + 1 < key.size(); ++i) {
    if (key[i].back() == '.') answers[key[i]] = key[i + 1];
  }
  ASSERT_EQ(answers.size(), puzzles_.size());
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(answers[std::to_string(i + 1) + "."], puzzles_[i].Puzzle.Answer) << i + 1;
  }
}

const SheetCase kA4{"A4", {"--seed", "7", "--count", "40"}, {}, TPaper::A4, false};

INSTANTIATE_TEST_SUITE_P(Sheets, Worksheet,
                         ::testing::Values(kA4, SheetCase{"LetterChoicesShownMask",
                                                          {"--seed", "11", "--count", "25",
                                                           "--kinds", "2,3", "--multiple-choice"},
                                                          {"--paper", "letter", "--show-mask"},
                                                          TPaper::Letter,
                                                          true}),
                         [](const auto& info) { return info.param.name; });

class WorksheetPicture : public Worksheet {};

// Page 1 rendered in grey: every puzzle's rule lines are dark where the layout puts them, and its
// gap box is a dark frame around a blank inside.
TEST_P(WorksheetPicture, DrawsTheRuleLinesAndGapBoxesWhereTheLayoutPutsThem) {
  constexpr double kDpi = 150;
  const std::string stem = (folder_.Path / "page").string();
  ASSERT_EQ(RunProgram("pdftoppm",
                       {"-r", "150", "-gray", "-f", "1", "-l", "1", "-singlefile", pdf_, stem})
                .status,
            0);
  const std::string pgm = ReadAll(stem + ".pgm");
  std::istringstream header(pgm);
  std::string magic;
  int width = 0, height = 0, depth = 0;
  header >> magic >> width >> height >> depth;
  ASSERT_EQ(magic, "P5");
  const std::size_t data = static_cast<std::size_t>(header.tellg()) + 1;
  const TSheetPage page = SheetPage(GetParam().paper);
  for (int slot = 0; slot < std::min<int>(kPuzzlesPerPage, puzzles_.size()); ++slot) {
    const TPuzzlePlace place = PuzzlePlace(page, false, slot);
    // The grey of the puzzle area's point (x, y), the darkest within a pixel of it.
    const auto grey = [&](double x, double y) {
      const int px = static_cast<int>((place.OriginX + x * place.Scale) * kDpi / 72);
      const int py = static_cast<int>((place.OriginY + y * place.Scale) * kDpi / 72);
      int darkest = 255;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const auto at = data + static_cast<std::size_t>((py + dy) * width + px + dx);
          darkest = std::min<int>(darkest, static_cast<unsigned char>(pgm.at(at)));
        }
      }
      return darkest;
    };
    const TPuzzleLayout layout = LayoutPuzzle(puzzles_[slot].Puzzle);
    for (const TPixelRect& r : RuleLines(layout)) {
      for (const double f : {0.1, 0.5, 0.9}) {
        EXPECT_LT(grey(r.Left + f * r.Width, r.Top + f * r.Height), 100) << "puzzle " << slot + 1;
      }
    }
    const TPixelRect box = GapBox(layout, puzzles_[slot].Puzzle);
    const double middle = box.Top + box.Height / 2.0, centre = box.Left + box.Width / 2.0;
    EXPECT_LT(grey(box.Left + 0.5, middle), 160) << "puzzle " << slot + 1;
    EXPECT_LT(grey(box.Left + box.Width - 0.5, middle), 160) << "puzzle " << slot + 1;
    EXPECT_LT(grey(centre, box.Top + 0.5), 160) << "puzzle " << slot + 1;
    EXPECT_LT(grey(centre, box.Top + box.Height - 0.5), 160) << "puzzle " << slot + 1;
    EXPECT_GT(grey(centre, middle), 240) << "puzzle " << slot + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(Page1, WorksheetPicture, ::testing::Values(kA4),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace gapwise
