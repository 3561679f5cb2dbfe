#include "engine/random.h"

#include <gtest/gtest.h>

namespace gapwise {
namespace {

TEST(RandomBelow, StepsTheStateAndScalesTheHighBits) {
  TRandom random(0);
  EXPECT_EQ(random.RandomBelow(100), 0u);  // state 1: 100 * 1 >> 32
  EXPECT_EQ(random.State(), 1u);
  EXPECT_EQ(random.RandomBelow(0), 0u);
  EXPECT_EQ(random.State(), 134775814u);
  TRandom high(0xFFFFFFFFu);  // next state: 0xFFFFFFFF * 134775813 + 1 mod 2^32
  const std::uint32_t expected = 0xFFFFFFFFu * 134775813u + 1u;
  EXPECT_EQ(high.RandomBelow(10), static_cast<std::uint32_t>((std::uint64_t{expected} * 10) >> 32));
}

}  // namespace
}  // namespace gapwise
