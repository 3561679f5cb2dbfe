#include "engine/layout.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/game.h"

namespace gapwise {
namespace {

struct MaskCase {
  std::string name;
  TPuzzle puzzle;
  int maskLeft;
  int maskTop;
  std::string caption;
  friend std::ostream& operator<<(std::ostream& out, const MaskCase& c) { return out << c.name; }
};

class MaskPlaceTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskPlaceTest, PutsTheMaskOverTheHiddenDigits) {
  const MaskCase& c = GetParam();
  const TPuzzleLayout layout = LayoutPuzzle(c.puzzle);
  EXPECT_EQ(layout.MaskLeft, c.maskLeft);
  EXPECT_EQ(layout.MaskTop, c.maskTop);
  EXPECT_EQ(layout.Caption, c.caption);
}

const std::string kOne = "  ? is : ";
const std::string kTwo = " ?? is : ";
const std::vector<std::string> kDivision{"12", "34", "413", "36", "53", "48", "5"};

std::vector<std::string> With(std::vector<std::string> cells, std::size_t index,
                              const std::string& text) {
  cells[index] = text;
  return cells;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, MaskPlaceTest,
    ::testing::Values(
        MaskCase{"Addition345", PuzzleOf(pkAddition, {"3?5", "78", "423"}, 0, "4", 2, 2), 79, 24,
                 kOne},
        MaskCase{"Multiplication492",
                 PuzzleOf(pkMultiplication, {"123", "45", "615", "??2", "5535"}, 3, "49", 1, 3), 62,
                 104, kTwo},
        MaskCase{"DivisionRemainder", PuzzleOf(pkDivision, With(kDivision, 6, "?"), 6, "5", 0, 0),
                 95, 160, kOne},
        MaskCase{"DivisionQuotient", PuzzleOf(pkDivision, With(kDivision, 1, "3?"), 1, "4", 2, 1),
                 83, 16, kOne},
        MaskCase{"Subtraction1005", PuzzleOf(pkSubtraction, {"1005", "998", "?"}, 2, "7", 0, 0), 95,
                 80, kOne},
        MaskCase{"Subtraction105", PuzzleOf(pkSubtraction, {"105", "98", "?"}, 2, "7", 0, 0), 90,
                 80, kOne},
        MaskCase{"MultiplierEndsInZero",
                 PuzzleOf(pkMultiplication, {"250", "30", "?", "750", "7500"}, 2, "0", 0, 0), 95,
                 80, kOne},
        MaskCase{
            "SixDigitProduct",
            PuzzleOf(pkMultiplication, {"9998", "98", "79984", "89982", "?79804"}, 4, "9", 1, 6),
            40, 136, kOne}));

INSTANTIATE_TEST_SUITE_P(
    EveryRule, MaskPlaceTest,
    ::testing::Values(
        MaskCase{"FourDigitAddendHasNoBlank",
                 PuzzleOf(pkAddition, {"1234", "5??", "1801"}, 1, "67", 2, 2), 84, 48, kTwo},
        MaskCase{"FourDigitSumUnderThreeDigits",
                 PuzzleOf(pkAddition, {"999", "998", "?997"}, 2, "1", 1, 4), 57, 80, kOne},
        MaskCase{"SubtractionPairAtTheEnd",
                 PuzzleOf(pkSubtraction, {"4321", "1234", "30??"}, 2, "87", 3, 2), 84, 80, kTwo},
        MaskCase{"MultiplicandWholeTail",
                 PuzzleOf(pkMultiplication, {"?23", "45", "615", "492", "5535"}, 0, "1", 1, 3), 73,
                 24, kOne},
        MaskCase{"Multiplier",
                 PuzzleOf(pkMultiplication, {"123", "?5", "615", "492", "5535"}, 1, "4", 1, 2), 84,
                 48, kOne},
        MaskCase{"SecondProductLastPair",
                 PuzzleOf(pkMultiplication, {"123", "45", "615", "4??", "5535"}, 3, "92", 2, 2), 73,
                 104, kTwo},
        MaskCase{"Divisor", PuzzleOf(pkDivision, With(kDivision, 0, "??"), 0, "12", 1, 2), 36, 48,
                 kTwo},
        MaskCase{"DividendFirstDigit",
                 PuzzleOf(pkDivision, With(kDivision, 2, "?13"), 2, "4", 1, 3), 72, 48, kOne},
        MaskCase{"DividendMiddlePair",
                 PuzzleOf(pkDivision, {"11", "91", "1??1", "99", "11", "11", "0"}, 2, "00", 2, 3),
                 83, 48, kTwo},
        MaskCase{"FirstProductShifted",
                 PuzzleOf(pkDivision, {"11", "91", "1001", "?9", "11", "11", "0"}, 3, "9", 1, 2),
                 83, 72, kOne},
        MaskCase{"IntermediateUnderFourDigits",
                 PuzzleOf(pkDivision, {"11", "91", "1001", "99", "?1", "11", "0"}, 4, "1", 1, 2),
                 96, 104, kOne},
        MaskCase{"SecondProductUnderThreeDigits",
                 PuzzleOf(pkDivision, With(kDivision, 5, "??"), 5, "48", 1, 2), 84, 128, kTwo}));

struct DivisionCase {
  std::string name;
  TPuzzle puzzle;
  TNumberGeometry geometry;
  friend std::ostream& operator<<(std::ostream& out, const DivisionCase& c) {
    return out << c.name;
  }
};

class DivisionGeometryTest : public ::testing::TestWithParam<DivisionCase> {};

TEST_P(DivisionGeometryTest, PlacesTheLowerLabelsAndRules) {
  const DivisionCase& c = GetParam();
  const TPuzzleLayout layout = LayoutPuzzle(c.puzzle);
  const TNumberGeometry& g = layout.Geometry;
  EXPECT_EQ(g.LowerLeft, c.geometry.LowerLeft);
  EXPECT_EQ(g.Label34Width, c.geometry.Label34Width);
  EXPECT_EQ(g.Label35Left, c.geometry.Label35Left);
  EXPECT_EQ(g.Label35Width, c.geometry.Label35Width);
  EXPECT_EQ(g.Label33Left, c.geometry.Label33Left);
  EXPECT_EQ(layout.Boxes[3].Left, g.Label33Left);
  for (std::size_t i = 4; i < 7; ++i) EXPECT_EQ(layout.Boxes[i].Left, g.LowerLeft) << i;
}

TNumberGeometry Division(int lowerLeft, int label34Width, int label35Left, int label35Width,
                         int label33Left) {
  TNumberGeometry g;
  g.LowerLeft = lowerLeft;
  g.Label34Width = label34Width;
  g.Label35Left = label35Left;
  g.Label35Width = label35Width;
  g.Label33Left = label33Left;
  return g;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DivisionGeometryTest,
    ::testing::Values(
        DivisionCase{"WorkedExample", PuzzleOf(pkDivision, With(kDivision, 6, "?"), 6, "5", 0, 0),
                     Division(48, 34, 83, 24, 72)},
        DivisionCase{
            "FourDigitDividend",
            PuzzleOf(pkDivision, {"11", "91", "1001", "99", "11", "11", "?"}, 6, "0", 0, 0),
            Division(60, 44, 94, 24, 83)},
        // The rules read the numbers before masking: 4?3 is 413 and 3? is 36.
        DivisionCase{"MaskedDividend",
                     PuzzleOf(pkDivision, With(kDivision, 2, "4?3"), 2, "1", 2, 2),
                     Division(48, 34, 83, 24, 72)},
        DivisionCase{"MaskedFirstProduct",
                     PuzzleOf(pkDivision, With(kDivision, 3, "?6"), 3, "3", 1, 2),
                     Division(48, 34, 83, 24, 72)},
        DivisionCase{"DividendJustBelow1000",
                     PuzzleOf(pkDivision, {"99", "10", "9?9", "99", "9", "0", "9"}, 2, "9", 2, 2),
                     Division(48, 34, 94, 13, 72)},
        DivisionCase{
            "MaskedFourDigitDividend",
            PuzzleOf(pkDivision, {"12", "90", "??97", "108", "17", "0", "17"}, 2, "10", 1, 4),
            Division(60, 44, 94, 24, 72)},
        DivisionCase{
            "MaskedShiftedFirstProduct",
            PuzzleOf(pkDivision, {"11", "91", "1001", "?9", "11", "11", "0"}, 3, "9", 1, 2),
            Division(60, 44, 94, 24, 83)},
        DivisionCase{
            "ThreeDigitProducts",
            PuzzleOf(pkDivision, {"98", "98", "9701", "882", "?81", "784", "97"}, 4, "8", 1, 3),
            Division(60, 44, 83, 35, 72)},
        // Hand-made: the game deals no remainder above the divisor, but the rules still place it.
        DivisionCase{"RemainderAboveDivisor",
                     PuzzleOf(pkDivision, {"10", "50", "540", "50", "40", "?", "40"}, 5, "0", 0, 0),
                     Division(48, 34, 83, 24, 72)}));

TEST(Layout, AppendsTheBlankToAllThreeLabelsOfAThreeDigitColumn) {
  for (const TPuzzleKind kind : {pkAddition, pkSubtraction}) {
    const TPuzzleLayout layout = LayoutPuzzle(PuzzleOf(kind, {"999", "998", "1?97"}, 2, "9", 2, 3));
    EXPECT_TRUE(layout.Blank);
    EXPECT_EQ(layout.Texts, (std::vector<std::string>{"999 ", "998 ", "1?97 "}));
    EXPECT_EQ(layout.MaskLeft, 68);
  }
  const TPuzzleLayout wide =
      LayoutPuzzle(PuzzleOf(pkAddition, {"1000", "999", "1?99"}, 2, "9", 2, 3));
  EXPECT_FALSE(wide.Blank);
  EXPECT_EQ(wide.Texts, (std::vector<std::string>{"1000", "999", "1?99"}));
}

TEST(Layout, WidensTheLowerRuleForASixDigitProduct) {
  const std::vector<std::string> five{"123", "45", "615", "492", "55?5"};
  const std::vector<std::string> six{"9998", "98", "79984", "89982", "9798?4"};
  const TPuzzleLayout shortRule = LayoutPuzzle(PuzzleOf(pkMultiplication, five, 4, "3", 3, 2));
  const TPuzzleLayout longRule = LayoutPuzzle(PuzzleOf(pkMultiplication, six, 4, "0", 5, 2));
  EXPECT_EQ(shortRule.Geometry.RuleLeft, 46);
  EXPECT_EQ(shortRule.Geometry.RuleWidth, 62);
  EXPECT_EQ(longRule.Geometry.RuleLeft, 36);
  EXPECT_EQ(longRule.Geometry.RuleWidth, 74);
}

TEST(Layout, KeepsTheDesignedGeometryOfTheOtherKinds) {
  const TPuzzleLayout layout =
      LayoutPuzzle(PuzzleOf(pkAddition, {"3?5", "78", "423"}, 0, "4", 2, 2));
  EXPECT_EQ(layout.Geometry, TNumberGeometry{});
  EXPECT_EQ(layout.Boxes[2], (TCellBox{40, 80, 65, 25, true}));
}

TEST(Layout, RefusesCellsThatDoNotFitTheKind) {
  EXPECT_THROW(LayoutPuzzle(TPuzzle{}), std::invalid_argument);
  EXPECT_THROW(LayoutPuzzle(PuzzleOf(pkDivision, {"1", "2", "3"}, 0, "1", 0, 0)),
               std::invalid_argument);
  EXPECT_THROW(LayoutPuzzle(PuzzleOf(pkAddition, {"3?5", "78", "423"}, 3, "4", 2, 2)),
               std::invalid_argument);
}

// Independent model of the drawing: each character of a right-aligned text stands in an 11-pixel
// column counted back from the label's right edge (the blank 5 pixels wide), and a left-aligned
// one forward from its Left. The mask must start on the first hidden character's column, one
// pixel into it for right-aligned cells, whatever the dealt numbers are.
int FirstHiddenColumn(const TPuzzleLayout& layout, const TPuzzle& puzzle) {
  const TCellBox& box = layout.Boxes[puzzle.MaskedCell];
  const std::string& text = layout.Texts[puzzle.MaskedCell];
  const std::size_t first = text.find('?');
  if (!box.RightAligned) return box.Left + kCellCharWidth * static_cast<int>(first);
  int x = box.Left + box.Width;
  for (std::size_t i = text.size(); i-- > first;) {
    x -= text[i] == ' ' ? kCellBlankWidth : kCellCharWidth;
  }
  return x + 1;
}

TEST(Layout, DealtPuzzlesPutTheMaskOnTheirHiddenColumns) {
  IDrillView view;
  TDrillGame game(view);
  game.Random().Seed(20240611);
  for (int i = 0; i < 20000; ++i) {
    game.NextPuzzle();
    const TPuzzle& puzzle = game.Puzzle();
    const TPuzzleLayout layout = LayoutPuzzle(puzzle);
    ASSERT_EQ(layout.MaskLeft, FirstHiddenColumn(layout, puzzle)) << "puzzle " << i;
    ASSERT_EQ(layout.MaskTop, layout.Boxes[puzzle.MaskedCell].Top);
  }
}

}  // namespace
}  // namespace gapwise
