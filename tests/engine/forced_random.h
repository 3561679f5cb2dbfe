// Finds a generator seed whose next draws give the wanted values, so tests can force draws.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "engine/random.h"

namespace gapwise::testing {

struct Draw {
  std::uint32_t bound;
  std::uint32_t value;
};

inline TRandom Forced(const std::vector<Draw>& draws) {
  for (std::uint64_t seed = 0; seed <= 0xFFFFFFFFu; ++seed) {
    TRandom probe(static_cast<std::uint32_t>(seed));
    bool matches = true;
    for (const Draw& draw : draws) {
      if (probe.RandomBelow(draw.bound) != draw.value) {
        matches = false;
        break;
      }
    }
    if (matches) return TRandom(static_cast<std::uint32_t>(seed));
  }
  throw std::logic_error("no seed gives these draws");
}

}  // namespace gapwise::testing
