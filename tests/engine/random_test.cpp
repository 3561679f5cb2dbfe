#include "engine/random.h"

#include <gtest/gtest.h>

#include "engine/seed.h"

namespace gapwise {
namespace {

TEST(RandomBelow, StepsTheStateThenScalesItsHighBits) {
  TRandom random(0);
  EXPECT_EQ(random.RandomBelow(100), 0u);  // state 1
  EXPECT_EQ(random.State(), 1u);
  EXPECT_EQ(random.RandomBelow(100), 3u);  // state 134775814: 100 * 134775814 >> 32
  EXPECT_EQ(random.State(), 134775814u);
}

TEST(RandomBelow, BoundZeroYieldsZeroAndStillAdvances) {
  TRandom random(5);
  EXPECT_EQ(random.RandomBelow(0), 0u);
  EXPECT_EQ(random.State(), 5u * 134775813u + 1u);
}

TEST(RandomBelow, KnownSequenceForSeed42) {
  TRandom random(42);
  const std::uint32_t expected[] = {3, 8, 2, 1, 0, 8, 7, 0};
  for (const std::uint32_t value : expected) EXPECT_EQ(random.RandomBelow(10), value);
}

TEST(RandomBelow, StaysBelowItsBoundAtTheTopOfTheState) {
  TRandom random(0xFFFFFFFFu);
  for (int i = 0; i < 1000; ++i) EXPECT_LT(random.RandomBelow(9899), 9899u);
}

TEST(Seed, TakesTheLow32BitsOfTheCounterOrFallsBackToMilliseconds) {
  EXPECT_EQ(SeedFrom(0x1234567890ABCDEFull, 77), 0x90ABCDEFu);
  EXPECT_EQ(SeedFrom(std::nullopt, 0x100000005ull), 5u);
}

}  // namespace
}  // namespace gapwise
