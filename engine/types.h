// The kinds of puzzle and the user's drill options, shared by every layer.
#pragma once

#include <array>
#include <cstdint>

namespace gapwise {

// Fixed codes: they are stored in the settings and give the order of the kind check boxes.
enum TPuzzleKind : std::uint8_t {
  pkAddition = 0,
  pkSubtraction = 1,
  pkMultiplication = 2,
  pkDivision = 3,
};

inline constexpr int kKindCount = 4;

struct TDrillSettings {
  std::array<std::uint8_t, 4> Ops{pkAddition, pkSubtraction, pkMultiplication, pkDivision};
  std::uint8_t Checked = 4;  // the first Checked entries of Ops are in force
  bool TimeLimited = true;
  std::int32_t TimeLimit = 30;  // seconds
  bool ShowRight = true;
  bool MultChoice = false;

  friend bool operator==(const TDrillSettings&, const TDrillSettings&) = default;
};

}  // namespace gapwise
