// Where the generator's seed comes from when nothing injects one.
#pragma once

#include <cstdint>
#include <optional>

namespace gapwise {

// The low 32 bits of the high-resolution counter, or milliseconds since boot without it.
std::uint32_t SeedFrom(std::optional<std::uint64_t> highResolutionCount,
                       std::uint64_t millisecondsSinceBoot);

// Reads the monotonic clock now and returns SeedFrom of it.
std::uint32_t ClockSeed();

}  // namespace gapwise
