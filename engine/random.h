// The game's one pseudo-random generator: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>

namespace gapwise {

class TRandom {
 public:
  explicit TRandom(std::uint32_t seed = 0) : state_(seed) {}

  void Seed(std::uint32_t seed) { state_ = seed; }
  std::uint32_t State() const { return state_; }

  // Advances the state by one step and returns a value in [0, n); 0 for n = 0.
  std::uint32_t RandomBelow(std::uint32_t n) {
    state_ = state_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state_) * n) >> 32);
  }

 private:
  std::uint32_t state_;
};

}  // namespace gapwise
