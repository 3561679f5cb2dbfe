#include "engine/reading.h"

#include <gtest/gtest.h>

namespace gapwise {
namespace {

struct ReadingCase {
  const char* name;
  TPuzzle puzzle;
  const char* text;
  const char* description;
  friend std::ostream& operator<<(std::ostream& out, const ReadingCase& c) { return out << c.name; }
};

class ReadPuzzleTest : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ReadPuzzleTest, ReadsEveryCellInOrderAndNamesTheGap) {
  const TPuzzleReading reading = ReadPuzzle(GetParam().puzzle);
  EXPECT_EQ(reading.Text, GetParam().text);
  EXPECT_EQ(reading.Description, GetParam().description);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReadPuzzleTest,
    ::testing::Values(
        ReadingCase{"Addition", PuzzleOf(pkAddition, {"3791", "?636", "6427"}, 1, "2", 1, 4),
                    "3791 plus question mark, 6, 3, 6 equals 6427",
                    "one digit is missing in the second number"},
        ReadingCase{"Subtraction", PuzzleOf(pkSubtraction, {"1005", "998", "?"}, 2, "7", 0, 0),
                    "1005 minus 998 equals question mark",
                    "one digit is missing in the difference"},
        ReadingCase{"Multiplication",
                    PuzzleOf(pkMultiplication, {"123", "45", "615", "??2", "5535"}, 3, "49", 1, 3),
                    "123 times 45, first partial product 615, second partial product question "
                    "mark, question mark, 2, product 5535",
                    "two digits are missing in the second partial product"},
        ReadingCase{"Division",
                    PuzzleOf(pkDivision, {"12", "34", "4?3", "36", "53", "48", "5"}, 2, "1", 2, 2),
                    "4, question mark, 3 divided by 12 equals 34, first partial product 36, "
                    "intermediate dividend 53, second partial product 48, remainder 5",
                    "one digit is missing in the dividend"}));

TEST(Utterance, SaysWhereTheGapIsThenTheCalculation) {
  const TPuzzle puzzle = PuzzleOf(pkAddition, {"8?53", "78", "8931"}, 0, "8", 2, 3);
  EXPECT_EQ(Utterance(ReadPuzzle(puzzle)),
            "One digit is missing in the first number. 8, question mark, 5, 3 plus 78 equals "
            "8931.");
  EXPECT_EQ(Utterance({"1 plus 2", ""}), "1 plus 2.");
}

TEST(SpokenText, SaysQuestionMarksAndDropsColonsAndSpareBlanks) {
  EXPECT_EQ(SpokenText("  ? is : "), "question mark is");
  EXPECT_EQ(SpokenText(" ?? is : "), "question mark question mark is");
  EXPECT_EQ(SpokenText("Right :"), "Right");
}

}  // namespace
}  // namespace gapwise
