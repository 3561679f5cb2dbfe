#include "engine/seed.h"

#include <chrono>

namespace gapwise {

std::uint32_t SeedFrom(std::optional<std::uint64_t> highResolutionCount,
                       std::uint64_t millisecondsSinceBoot) {
  if (highResolutionCount) return static_cast<std::uint32_t>(*highResolutionCount);
  return static_cast<std::uint32_t>(millisecondsSinceBoot);
}

std::uint32_t ClockSeed() {
  using Clock = std::chrono::steady_clock;  // monotonic, counted from boot on Linux
  const auto since = Clock::now().time_since_epoch();
  std::optional<std::uint64_t> count;
  if (since.count() > 0) count = static_cast<std::uint64_t>(since.count());
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
  return SeedFrom(count, static_cast<std::uint64_t>(ms));
}

}  // namespace gapwise
