#include "engine/types.h"

#include <algorithm>

namespace gapwise {

int EntriesInForce(const TDrillSettings& settings) {
  return std::clamp<int>(settings.Checked, 1, kKindCount);
}

TPuzzleKind KindOfEntry(std::uint8_t code) {
  return code < kKindCount ? static_cast<TPuzzleKind>(code) : pkAddition;
}

std::array<bool, kKindCount> KindsDealt(const TDrillSettings& settings) {
  std::array<bool, kKindCount> dealt{};
  for (int i = 0; i < EntriesInForce(settings); ++i) {
    dealt[KindOfEntry(settings.Ops[static_cast<std::size_t>(i)])] = true;
  }
  return dealt;
}

}  // namespace gapwise
