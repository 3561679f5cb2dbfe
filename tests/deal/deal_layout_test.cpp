#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "deal/deal.h"
#include "engine/game.h"
#include "settings/empty_registry.h"

namespace gapwise {
namespace {

struct LayoutLine {
  std::string name;
  TPuzzle puzzle;
  std::string json;
  friend std::ostream& operator<<(std::ostream& out, const LayoutLine& c) { return out << c.name; }
};

class LayoutJsonTest : public ::testing::TestWithParam<LayoutLine> {};

TEST_P(LayoutJsonTest, PrintsTheFieldsOfTheKindInOrder) {
  EXPECT_EQ(LayoutJson(GetParam().puzzle), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LayoutJsonTest,
    ::testing::Values(
        LayoutLine{"Addition", PuzzleOf(pkAddition, {"3?5", "78", "423"}, 0, "4", 2, 2),
                   R"({"maskTop":24,"caption":"  ? is : ","blank":true,"maskLeft":79})"},
        LayoutLine{"Subtraction", PuzzleOf(pkSubtraction, {"1005", "998", "?"}, 2, "7", 0, 0),
                   R"({"maskTop":80,"caption":"  ? is : ","blank":false,"maskLeft":95})"},
        LayoutLine{"Multiplication",
                   PuzzleOf(pkMultiplication, {"123", "45", "615", "??2", "5535"}, 3, "49", 1, 3),
                   R"({"maskTop":104,"caption":" ?? is : ","rule":[46,62],"maskLeft":62})"},
        LayoutLine{"Division",
                   PuzzleOf(pkDivision, {"12", "34", "413", "36", "53", "48", "?"}, 6, "5", 0, 0),
                   R"({"maskTop":160,"caption":"  ? is : ","lowerLeft":48,"label34Width":34,)"
                   R"("label35":[83,24],"label33Left":72,"maskLeft":95})"}));

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(DealLayout, AppendsTheLayoutAsTheLastFieldOfEachLine) {
  for (const bool choices : {false, true}) {
    std::vector<std::string> args{"--seed", "7", "--count", "40", "--layout"};
    if (choices) args.push_back("--multiple-choice");
    std::ostringstream out, err;
    reg::TEmptyRegistry registry;
    ASSERT_EQ(RunDealer(args, out, err, registry), 0) << err.str();
    IDrillView view;
    TDrillGame game(view);
    game.Settings().MultChoice = choices;
    game.Random().Seed(7);
    const std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 40u);
    for (const std::string& line : lines) {
      game.NextPuzzle();
      const std::string plain =
          PuzzleJson(game.Puzzle(), choices ? &game.Choices() : nullptr, false);
      const std::string tail = ",\"layout\":" + LayoutJson(game.Puzzle()) + "}";
      EXPECT_EQ(line, plain.substr(0, plain.size() - 1) + tail);
    }
  }
}

TEST(DealLayout, LeavesTheLinesAloneWithoutTheFlag) {
  std::ostringstream out, err;
  reg::TEmptyRegistry registry;
  ASSERT_EQ(RunDealer({"--seed", "7", "--count", "3"}, out, err, registry), 0);
  EXPECT_EQ(out.str().find("layout"), std::string::npos);
}

TEST(DealLayout, RefusesAValueForTheFlag) {
  std::ostringstream out, err;
  reg::TEmptyRegistry registry;
  EXPECT_EQ(RunDealer({"--seed", "7", "--layout=yes"}, out, err, registry), 2);
  EXPECT_NE(err.str().find("unknown argument '--layout=yes'"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace gapwise
