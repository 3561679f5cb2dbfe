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
                    "3 7 9 1 plus question mark 6 3 6 equals 6 4 2 7",
                    "one digit is missing in the second number, the thousands"},
        ReadingCase{"Subtraction", PuzzleOf(pkSubtraction, {"1005", "998", "?"}, 2, "7", 0, 0),
                    "1 0 0 5 minus 9 9 8 equals question mark",
                    "one digit is missing in the difference, the ones"},
        ReadingCase{"Multiplication",
                    PuzzleOf(pkMultiplication, {"123", "45", "615", "??2", "5535"}, 3, "49", 1, 3),
                    "1 2 3 times 45, partial products 6 1 5, one place left question mark question "
                    "mark 2, product 5 5 3 5",
                    "two digits are missing in the second partial product, the hundreds and the "
                    "tens"},
        ReadingCase{"Division",
                    PuzzleOf(pkDivision, {"12", "34", "4?3", "36", "53", "48", "5"}, 2, "1", 2, 2),
                    "4 question mark 3 divided by 12 is 34, partial products 36, leaves 53, then "
                    "48, remainder 5",
                    "one digit is missing in the dividend, the tens"},
        ReadingCase{
            "SixDigitProduct",
            PuzzleOf(pkMultiplication, {"9439", "15", "47195", "9439", "1??585"}, 4, "41", 2, 5),
            "9 4 3 9 times 15, partial products 4 7 1 9 5, one place left 9 4 3 9, product 1 "
            "question mark question mark 5 8 5",
            "two digits are missing in the product, the ten thousands and the "
            "thousands"}));

TEST(Utterance, SaysWhereTheGapIsThenTheCalculation) {
  const TPuzzle puzzle = PuzzleOf(pkAddition, {"8?53", "78", "8931"}, 0, "8", 2, 3);
  EXPECT_EQ(Utterance(ReadPuzzle(puzzle)),
            "One digit is missing in the first number, the hundreds: 8 question mark 5 3 plus 78 "
            "equals 8 9 3 1.");
  EXPECT_EQ(Utterance({"1 plus 2", ""}), "1 plus 2.");
}

// What has been entered, and the notice for a digit that does not fit, by the answer's length.
TEST(EntryReading, SaysTheEntryAndHowManyDigitsTheAnswerHas) {
  const TPuzzle two = PuzzleOf(pkAddition, {"1??1", "78", "1379"}, 0, "30", 2, 3);
  const TPuzzle one = PuzzleOf(pkAddition, {"1?01", "78", "1379"}, 0, "3", 2, 3);
  EXPECT_EQ(EntryReading(two, "3"), "Your answer: 3, one digit of two.");
  EXPECT_EQ(EntryReading(two, "30"), "Your answer: 30, two digits of two.");
  EXPECT_EQ(EntryReading(one, ""), "Your answer: nothing yet, one digit.");
  EXPECT_EQ(EntryFullNotice(one), "The answer has one digit.");
  EXPECT_EQ(EntryFullNotice(two), "The answer has two digits.");
  EXPECT_EQ(ChoiceReading({"7", "27"}, 1), "Your choice: 27.");
  EXPECT_EQ(ChoiceReading({"7", "27"}, -1), "Your choice: none.");
}

TEST(SpokenText, SaysQuestionMarksAndDropsColonsAndSpareBlanks) {
  EXPECT_EQ(SpokenText("  ? is : "), "question mark is");
  EXPECT_EQ(SpokenText(" ?? is : "), "question mark question mark is");
  EXPECT_EQ(SpokenText("Right :"), "Right");
}

}  // namespace
}  // namespace gapwise
