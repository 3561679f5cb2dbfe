#include "engine/puzzle.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/game.h"
#include "forced_random.h"

namespace gapwise {
namespace {

using testing::Draw;
using testing::Forced;

struct MaskCase {
  std::string cell;
  std::uint32_t pairDraw;
  std::uint32_t positionDraw;
  std::string masked;
  std::string answer;
  std::string mask;
  int hidePos;
  int tailLen;
  friend std::ostream& operator<<(std::ostream& out, const MaskCase& c) {
    return out << c.cell << " draws " << c.pairDraw << "," << c.positionDraw;
  }
};

class MaskDigitsTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskDigitsTest, HidesTheDrawnDigits) {
  const MaskCase& c = GetParam();
  const auto n = static_cast<std::uint32_t>(c.cell.size());
  TRandom random = Forced({{2, c.pairDraw}, {n - 1, c.positionDraw}});
  TRandom after = random;
  after.RandomBelow(2);
  after.RandomBelow(n - 1);
  TPuzzle puzzle;
  puzzle.Answer = "stale";
  std::string cell = c.cell;
  MaskDigits(cell, puzzle, random);
  EXPECT_EQ(cell, c.masked);
  EXPECT_EQ(puzzle.Answer, c.answer);
  EXPECT_EQ(puzzle.Mask, c.mask);
  EXPECT_EQ(puzzle.HidePos, c.hidePos);
  EXPECT_EQ(puzzle.TailLen, c.tailLen);
  EXPECT_EQ(random.State(), after.State()) << "exactly two draws";
}

INSTANTIATE_TEST_SUITE_P(Examples, MaskDigitsTest,
                         ::testing::Values(MaskCase{"47", 0, 0, "?7", "4", "?", 1, 2},
                                           MaskCase{"47", 1, 0, "??", "47", "??", 1, 2},
                                           MaskCase{"1057", 1, 1, "1??7", "05", "??", 2, 3},
                                           MaskCase{"989901", 0, 4, "9899?1", "0", "?", 5, 2},
                                           MaskCase{"989901", 1, 4, "9899??", "01", "??", 5, 2},
                                           MaskCase{"345", 0, 1, "3?5", "4", "?", 2, 2}));

TEST(MaskDigits, HidesAOneCharacterCellWholeWithoutDrawing) {
  TRandom random(99);
  TPuzzle puzzle;
  puzzle.Answer = "47";
  puzzle.Mask = "??";
  puzzle.HidePos = 3;
  puzzle.TailLen = 4;
  std::string cell = "0";
  MaskDigits(cell, puzzle, random);
  EXPECT_EQ(cell, "?");
  EXPECT_EQ(puzzle.Answer, "0");
  EXPECT_EQ(puzzle.Mask, "?");
  EXPECT_EQ(puzzle.HidePos, 0);
  EXPECT_EQ(puzzle.TailLen, 0);
  EXPECT_EQ(random.State(), 99u);
}

struct OperandCase {
  TPuzzleKind kind;
  std::vector<Draw> operandDraws;
  std::vector<std::string> cells;
  friend std::ostream& operator<<(std::ostream& out, const OperandCase& c) {
    return out << "kind " << int{c.kind} << " -> " << c.cells[0] << ", " << c.cells[1];
  }
};

class MakePuzzleTest : public ::testing::TestWithParam<OperandCase> {};

TEST_P(MakePuzzleTest, ComputesEveryCellOfTheWorkedCalculation) {
  const OperandCase& c = GetParam();
  TRandom random = Forced(c.operandDraws);
  const TPuzzle puzzle = MakePuzzle(c.kind, random);
  ASSERT_EQ(puzzle.Cells.size(), c.cells.size());
  EXPECT_EQ(puzzle.Kind, c.kind);
  for (std::size_t i = 0; i < c.cells.size(); ++i) EXPECT_EQ(UnmaskedCell(puzzle, i), c.cells[i]);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, MakePuzzleTest,
    ::testing::Values(
        OperandCase{pkAddition, {{9899, 245}, {335, 68}}, {"345", "78", "423"}},
        OperandCase{pkSubtraction, {{9898, 904}, {995, 988}}, {"1005", "998", "7"}},
        OperandCase{pkMultiplication, {{9898, 22}, {89, 35}}, {"123", "45", "615", "492", "5535"}},
        OperandCase{pkMultiplication, {{9898, 149}, {89, 20}}, {"250", "30", "0", "750", "7500"}},
        OperandCase{
            pkDivision, {{89, 2}, {89, 24}, {12, 5}}, {"12", "34", "413", "36", "53", "48", "5"}},
        OperandCase{
            pkDivision, {{89, 0}, {89, 40}, {10, 9}}, {"10", "50", "509", "50", "9", "0", "9"}},
        OperandCase{pkDivision,
                    {{89, 88}, {89, 88}, {98, 97}},
                    {"98", "98", "9701", "882", "881", "784", "97"}},
        OperandCase{pkDivision,
                    {{89, 1}, {89, 81}, {11, 0}},
                    {"11", "91", "1001", "99", "11", "11", "0"}}));

long Value(const TPuzzle& puzzle, std::size_t i) {
  return std::stol(UnmaskedCell(puzzle, i));
}

// Over many puzzles, every cell satisfies its kind's arithmetic and the masking invariants.
TEST(MakePuzzle, EveryPuzzleIsACorrectCalculationWithAValidMask) {
  TRandom random(20261207);
  for (int i = 0; i < 20000; ++i) {
    const auto kind = static_cast<TPuzzleKind>(i % 4);
    const TPuzzle p = MakePuzzle(kind, random);
    const std::string& masked = p.Cells[p.MaskedCell];
    if (p.HidePos == 0) {
      EXPECT_EQ(masked, "?");
    } else {
      EXPECT_EQ(p.HidePos + p.TailLen, masked.size() + 1);
      EXPECT_EQ(masked.substr(p.HidePos - 1, p.Mask.size()), p.Mask);
      EXPECT_LE(p.HidePos, masked.size() - 1) << "the last digit is never hidden alone";
    }
    EXPECT_EQ(p.Answer.size(), p.Mask.size());
    switch (kind) {
      case pkAddition:
        EXPECT_EQ(Value(p, 2), Value(p, 0) + Value(p, 1));
        EXPECT_LT(Value(p, 1), Value(p, 0));
        break;
      case pkSubtraction:
        EXPECT_EQ(Value(p, 2), Value(p, 0) - Value(p, 1));
        EXPECT_GE(Value(p, 2), 1);
        break;
      case pkMultiplication:
        EXPECT_EQ(Value(p, 4), Value(p, 0) * Value(p, 1));
        EXPECT_EQ(Value(p, 4), Value(p, 2) + 10 * Value(p, 3));
        EXPECT_GE(UnmaskedCell(p, 4).size(), 4u);
        break;
      case pkDivision:
        EXPECT_EQ(Value(p, 2), Value(p, 0) * Value(p, 1) + Value(p, 6));
        EXPECT_EQ(Value(p, 2), 10 * Value(p, 3) + Value(p, 4));
        EXPECT_EQ(Value(p, 4) - Value(p, 5), Value(p, 6));
        EXPECT_LT(Value(p, 6), Value(p, 0));
        break;
    }
  }
}

// A division draws its divisor, quotient and remainder, the masked cell and the mask, in that
// order: seed 17 deals these three, each with exactly its own draws.
TEST(MakePuzzle, DealsTheDivisionsOfASeedInStepWithTheirDraws) {
  const struct {
    std::vector<std::string> Cells;
    int Masked;
    std::string Answer;
    int Draws;
  } kDealt[] = {
      {{"57", "22", "1292", "114", "152", "114", "38"}, 2, "9", 6},
      {{"67", "75", "5043", "469", "353", "335", "18"}, 4, "53", 6},
      {{"24", "59", "1416", "120", "216", "216", "0"}, 6, "0", 4},
  };
  TRandom random(17);
  for (const auto& dealt : kDealt) {
    TRandom steps = random;
    for (int i = 0; i < dealt.Draws; ++i) steps.RandomBelow(1);
    const TPuzzle p = MakePuzzle(pkDivision, random);
    for (std::size_t i = 0; i < dealt.Cells.size(); ++i)
      EXPECT_EQ(UnmaskedCell(p, i), dealt.Cells[i]);
    EXPECT_EQ(p.MaskedCell, dealt.Masked);
    EXPECT_EQ(p.Answer, dealt.Answer);
    EXPECT_EQ(random.State(), steps.State()) << dealt.Cells[0];
  }
}

// Both steps of every long division the game deals leave less than the divisor.
TEST(MakePuzzle, EveryDealtDivisionIsWorkedCorrectly) {
  IDrillView view;
  TDrillGame game(view, [] { return 20260117u; });
  game.Start([](TDrillSettings& settings) {
    settings.Ops[0] = pkDivision;
    settings.Checked = 1;
  });
  for (int i = 0; i < 3000; ++i) {
    const TPuzzle& p = game.Puzzle();
    ASSERT_EQ(p.Kind, pkDivision);
    EXPECT_LT(Value(p, 4) / 10, Value(p, 0)) << "first step, puzzle " << i;
    EXPECT_LT(Value(p, 6), Value(p, 0)) << "remainder, puzzle " << i;
    game.NextPuzzle();
  }
}

}  // namespace
}  // namespace gapwise
