#include "engine/choices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "forced_random.h"

namespace gapwise {
namespace {

using testing::Forced;

// Properties that must hold for every list, checked over many seeds.
void ExpectSoundList(const TChoices& choices, const std::string& answer) {
  ASSERT_EQ(choices.Items.size(), 4u);
  EXPECT_EQ(choices.Index, 0);
  EXPECT_EQ(std::count(choices.Items.begin(), choices.Items.end(), answer), 1);
  std::set<int> values;
  for (const std::string& item : choices.Items) {
    EXPECT_EQ(item.size(), answer.size()) << item;
    values.insert(std::stoi(item));
  }
  EXPECT_EQ(values.size(), 4u) << "distinct as values";
}

class ChoicesOverSeeds : public ::testing::TestWithParam<std::string> {};

TEST_P(ChoicesOverSeeds, FourDistinctValuesOfTheAnswersWidthOneOfThemTheAnswer) {
  for (std::uint32_t seed = 0; seed < 3000; ++seed) {
    TRandom random(seed * 2654435761u);
    ExpectSoundList(BuildChoices(GetParam(), random), GetParam());
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, ChoicesOverSeeds,
                         ::testing::Values("0", "7", "9", "00", "05", "10", "47", "98", "99"));

// Replays the builder's draws: the four distinct values drawn, then the position.
struct Replay {
  std::vector<std::uint32_t> drawn;
  std::uint32_t position;
};

Replay ReplayDraws(std::uint32_t seed, std::uint32_t bound) {
  TRandom probe(seed);
  Replay replay;
  while (replay.drawn.size() < 4) {
    const std::uint32_t n = probe.RandomBelow(bound);
    if (std::find(replay.drawn.begin(), replay.drawn.end(), n) == replay.drawn.end())
      replay.drawn.push_back(n);
  }
  replay.position = probe.RandomBelow(4);
  return replay;
}

TEST(BuildChoices, AnswerAmongTheDrawnValuesStaysWhereItWasDrawn) {
  int seen = 0;
  for (std::uint32_t seed = 0; seed < 2000; ++seed) {
    const Replay replay = ReplayDraws(seed, 99);
    const auto at = std::find(replay.drawn.begin(), replay.drawn.end(), 5u);
    if (at == replay.drawn.end()) continue;
    ++seen;
    TRandom random(seed);
    const TChoices choices = BuildChoices("05", random);
    EXPECT_EQ(choices.Items[static_cast<std::size_t>(at - replay.drawn.begin())], "05");
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(std::stoul(choices.Items[i]), replay.drawn[i]);
  }
  EXPECT_GT(seen, 10);
}

TEST(BuildChoices, AnswerNotDrawnReplacesTheEntryAtTheDrawnPosition) {
  TRandom random = Forced({{10, 0}, {10, 2}, {10, 4}, {10, 6}, {4, 2}});
  const TChoices choices = BuildChoices("7", random);
  EXPECT_EQ(choices.Items, (std::vector<std::string>{"0", "2", "7", "6"}));
}

TEST(BuildChoices, NinetyNineIsNeverDrawnSoItAlwaysReplaces) {
  for (std::uint32_t seed = 0; seed < 500; ++seed) {
    const Replay replay = ReplayDraws(seed, 99);
    TRandom random(seed);
    const TChoices choices = BuildChoices("99", random);
    EXPECT_EQ(choices.Items[replay.position], "99");
    for (std::size_t i = 0; i < 4; ++i) {
      if (i != replay.position) {
        EXPECT_EQ(std::stoul(choices.Items[i]), replay.drawn[i]);
      }
    }
  }
}

// The game never asks for other answers; should one come, the list still holds it exactly once.
TEST(BuildChoices, AnAnswerOfNoOrThreeDigitsIsStillOfferedOnce) {
  for (const std::string answer : {"", "123"}) {
    TRandom random(1);
    const TChoices choices = BuildChoices(answer, random);
    ASSERT_EQ(choices.Items.size(), 4u);
    EXPECT_EQ(std::count(choices.Items.begin(), choices.Items.end(), answer), 1);
  }
}

}  // namespace
}  // namespace gapwise
