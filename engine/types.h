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

// How many entries of Ops the game draws from, and the kind an entry deals. Settings from a
// hand-edited store may be out of range: a count of 0 draws the first entry, a count above 4
// draws among all four, and an entry that is not a kind code deals an addition.
int EntriesInForce(const TDrillSettings& settings);
TPuzzleKind KindOfEntry(std::uint8_t code);
// The kinds that the game deals with these settings, by code.
std::array<bool, kKindCount> KindsDealt(const TDrillSettings& settings);

}  // namespace gapwise
