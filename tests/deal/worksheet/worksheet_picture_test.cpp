// Page 1 of a worksheet and of its key rendered in grey, measured as a pupil would meet it on
// paper.
#include "engine/layout.h"
#include "sheet_support.h"

namespace gapwise {
namespace {

constexpr double kDpi = 150;
constexpr int kDark = 128;  // a grey below this is ink

double Millimetres(int pixels) {
  return pixels * 25.4 / kDpi;
}

// A page rendered by pdftoppm, its pixels addressed by their place on the page in points.
class TGreyPage {
 public:
  TGreyPage(const std::string& pdf, int number, const std::filesystem::path& folder) {
    const std::string stem = (folder / "page").string(), page = std::to_string(number);
    const TRun run = RunProgram("pdftoppm", {"-r", std::to_string(static_cast<int>(kDpi)), "-gray",
                                             "-f", page, "-l", page, "-singlefile", pdf, stem});
    EXPECT_EQ(run.status, 0) << run.err;
    pgm_ = ReadAll(stem + ".pgm");
    std::istringstream header(pgm_);
    std::string magic;
    int depth = 0;
    header >> magic >> width_ >> height_ >> depth;
    EXPECT_EQ(magic, "P5");
    data_ = static_cast<std::size_t>(header.tellg()) + 1;
  }

  static int Pixel(double points) { return static_cast<int>(points * kDpi / 72); }

  // The grey of a pixel; white outside the page.
  int Grey(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 255;
    return static_cast<unsigned char>(pgm_.at(data_ + static_cast<std::size_t>(y * width_ + x)));
  }

  // The darkest grey within a pixel of the point (x, y).
  int Darkest(double x, double y) const {
    int darkest = 255;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx)
        darkest = std::min(darkest, Grey(Pixel(x) + dx, Pixel(y) + dy));
    }
    return darkest;
  }

  // Going from pixel (x, y) by (dx, dy): past the blank to the ink, and through the ink to its
  // last pixel, whose x (dx != 0) or y is returned.
  int Edge(int x, int y, int dx, int dy) const {
    while (Grey(x, y) >= kDark && x > 0 && y > 0 && x < width_ && y < height_) x += dx, y += dy;
    while (Grey(x + dx, y + dy) < kDark) x += dx, y += dy;
    return dx != 0 ? x : y;
  }

  // The blank pixels from pixel (x, y) by (dx, dy) up to the first ink, at most `most`.
  int Blank(int x, int y, int dx, int dy, int most) const {
    int blank = 0;
    while (blank < most && Grey(x + dx * blank, y + dy * blank) >= kDark) ++blank;
    return blank;
  }

 private:
  std::string pgm_;
  int width_ = 0;
  int height_ = 0;
  std::size_t data_ = 0;
};

// A frame drawn around the blank middle of rect: the outer edges of its ink, in pixels, the blank
// inside it, and the least blank outside it, in millimetres, to the next ink 3 mm away at most.
struct TFound {
  int Left, Right, Top, Bottom;
  double InsideWidth = 0, InsideHeight = 0, Outside = 0;
};
TFound FrameAround(const TGreyPage& page, const TSheetRect& rect) {
  const int x = TGreyPage::Pixel(rect.Left + rect.Width / 2);
  const int y = TGreyPage::Pixel(rect.Top + rect.Height / 2);
  EXPECT_GE(page.Grey(x, y), 240) << "the middle is blank";
  TFound f{page.Edge(x, y, -1, 0), page.Edge(x, y, 1, 0), page.Edge(x, y, 0, -1),
           page.Edge(x, y, 0, 1)};
  f.InsideWidth = Millimetres(page.Blank(x, y, -1, 0, 999) + page.Blank(x, y, 1, 0, 999) - 1);
  f.InsideHeight = Millimetres(page.Blank(x, y, 0, -1, 999) + page.Blank(x, y, 0, 1, 999) - 1);
  const int most = TGreyPage::Pixel(3 * kMillimetre);
  f.Outside = Millimetres(
      std::min({page.Blank(f.Left - 1, y, -1, 0, most), page.Blank(f.Right + 1, y, 1, 0, most),
                page.Blank(x, f.Top - 1, 0, -1, most), page.Blank(x, f.Bottom + 1, 0, 1, most)}));
  return f;
}

using WorksheetPicture = Worksheet;

// Every gap box stands in its digit's column, at least 6 mm wide and 8 mm high inside, at least
// 1 mm from any other ink (its neighbour, a rule line, a digit); every circle is at least 5 mm
// across and 4 mm below the lowest ink of its calculation, and on the key only the right one is
// filled; the rule lines are ink.
TEST_P(WorksheetPicture, GivesEachHiddenDigitABoxToWriteInAndTheValuesRoomToCircle) {
  const TGreyPage picture(pdf_, 1, folder_.Path);
  const TGreyPage key(key_, keyFirst_, folder_.Path);
  const TSheetPage page = PageOf(GetParam());
  std::size_t hidden = 0, boxes = 0;
  for (int slot = 0; slot < std::min<int>(page.PerPage(), puzzles_.size()); ++slot) {
    SCOPED_TRACE("puzzle " + std::to_string(slot + 1));
    const TPuzzlePlace place = PuzzlePlace(page, slot);
    const TPuzzle& puzzle = puzzles_[slot].Puzzle;
    const TPuzzleLayout layout = SheetLayout(puzzle);
    for (const TPixelRect& rule : RuleLines(layout)) {
      const TSheetRect r = RuleRect(place, rule);
      for (const double f : {0.1, 0.5, 0.9}) {
        EXPECT_LT(picture.Darkest(r.Left + f * r.Width, r.Top + f * r.Height), 100);
      }
    }
    const std::vector<double> columns =
        CellColumns(place, layout.Texts[puzzle.MaskedCell], layout.Boxes[puzzle.MaskedCell]);
    const std::size_t first = puzzle.HidePos == 0 ? 0 : puzzle.HidePos - 1u;
    hidden += puzzle.Mask.size();
    const std::vector<TSheetRect> gaps = GapBoxes(place, layout, puzzle);
    for (std::size_t k = 0; k < gaps.size(); ++k) {
      const TFound found = FrameAround(picture, gaps[k]);
      EXPECT_GE(found.InsideWidth, 6.0);
      EXPECT_GE(found.InsideHeight, 8.0);
      EXPECT_GE(found.Outside, 1.0);
      const double column = columns.at(first + k);
      EXPECT_GE(found.Left, TGreyPage::Pixel(column) - 1);
      EXPECT_LE(found.Right, TGreyPage::Pixel(column + kColumnWidth) + 1);
    }
    boxes += gaps.size();
    for (int i = 0; i < static_cast<int>(puzzles_[slot].Choices.size()); ++i) {
      const TSheetRect where = ChoiceCircle(place, layout, i);
      const bool right = puzzles_[slot].Choices[i] == puzzle.Answer;
      EXPECT_EQ(key.Darkest(where.Left + where.Width / 2, where.Top + where.Height / 2) < 200,
                right)
          << "value " << puzzles_[slot].Choices[i];
      const TFound circle = FrameAround(picture, where);
      EXPECT_GE(Millimetres(circle.Right - circle.Left + 1), 5.0);
      EXPECT_GE(Millimetres(circle.Bottom - circle.Top + 1), 5.0);
      int ink = circle.Top - 1;
      const auto inked = [&](int y) {
        for (int x = TGreyPage::Pixel(place.Cell.Left + 3);
             x < TGreyPage::Pixel(place.Cell.Right() - 3); ++x) {
          if (picture.Grey(x, y) < kDark) return true;
        }
        return false;
      };
      while (ink > 0 && !inked(ink)) --ink;
      EXPECT_GE(Millimetres(circle.Top - ink - 1), 4.0);
    }
  }
  EXPECT_EQ(boxes, hidden);
}

// Every digit in the grid is set at least 14 points high. pdftotext gives a word the height of
// its face's ascent and descent: 1.107 em in Times New Roman and in Liberation Serif, which has
// its metrics, so 15.5 points for 14-point digits.
TEST_P(WorksheetPicture, PrintsTheDigitsAtLeast14PointsHigh) {
  const TSheetRect grid = PageOf(GetParam()).Grid;
  int digits = 0;
  for (const TWord& word : PageWords(pdf_, 1)) {
    if (word.Text.find_first_not_of("0123456789") != std::string::npos || word.Top < grid.Top ||
        word.Bottom > grid.Bottom())
      continue;
    EXPECT_GE(word.Bottom - word.Top, 14 * 1.107) << word.Text << " at " << word.Top;
    ++digits;
  }
  EXPECT_GT(digits, 30);
}

INSTANTIATE_TEST_SUITE_P(
    Page1, WorksheetPicture,
    ::testing::Values(
        SheetCase{"A4", {"--seed", "7", "--count", "40"}, {}},
        SheetCase{"LetterDivisions",
                  {"--seed", "8", "--count", "9", "--kinds", "3"},
                  {"--paper", "letter", "--grid"}},
        SheetCase{"A4Choices", {"--seed", "9", "--count", "9", "--multiple-choice"}, {}},
        SheetCase{"LetterChoicesTallest",
                  {"--seed", "4", "--count", "9", "--kinds", "2,3", "--multiple-choice"},
                  {"--paper", "letter"}}),
    kCaseName);

}  // namespace
}  // namespace gapwise
