// Where the labels of the puzzle area stand for one puzzle: pure geometry that a window applies.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/puzzle.h"
#include "engine/types.h"

namespace gapwise {

// Every character of a cell text is this wide, except the blank appended to a three-digit column.
inline constexpr int kCellCharWidth = 11;
inline constexpr int kCellBlankWidth = 5;

// One cell label in the coordinates of its panel.
struct TCellBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 25;
  bool RightAligned = true;  // the text ends at Left + Width; otherwise it starts at Left

  friend bool operator==(const TCellBox&, const TCellBox&) = default;
};

// The designed geometry of the labels whose place depends on the numbers (multiplication's lower
// rule, division's lower labels and rules), before the first puzzle replaces it.
struct TNumberGeometry {
  int RuleLeft = 32;  // Label26
  int RuleWidth = 78;
  int Label33Left = 72;
  int LowerLeft = 60;  // Label36, Label37, Label32
  int Label34Width = 44;
  int Label35Left = 76;
  int Label35Width = 40;

  friend bool operator==(const TNumberGeometry&, const TNumberGeometry&) = default;
};

struct TPuzzleLayout {
  TPuzzleKind Kind = pkAddition;
  std::vector<std::string> Texts;  // each cell label's text, the blank appended where it belongs
  std::vector<TCellBox> Boxes;     // each cell label's place after the number-dependent rules
  bool Blank = false;              // addition, subtraction: the first number has three digits
  TNumberGeometry Geometry;
  int MaskLeft = 0;
  int MaskTop = 0;
  std::string Caption;  // the choice list's caption: "  ? is : " or " ?? is : "
};

// A rectangle in its panel's coordinates: a rule line, or the box an operator sign is centred in.
struct TPixelBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  friend bool operator==(const TPixelBox&, const TPixelBox&) = default;
};

// The operator sign's box, the mask's height, and the thickness of a rule line.
inline constexpr TPixelBox kSignBox{41, 48, 20, 20};
inline constexpr int kMaskHeight = 23;
inline constexpr int kRuleThickness = 2;

// The left edge of each character's column in a cell text, and the text's width.
struct TTextColumns {
  std::vector<int> Lefts;
  int Width = 0;
};
TTextColumns TextColumns(std::string_view text);

// The number of cells of a puzzle of kind: 3, 3, 5 or 7.
std::size_t CellCount(TPuzzleKind kind);

// The designed place of cell `index` of a puzzle of kind (division's lower cells at Left 60).
TCellBox DesignedCellBox(TPuzzleKind kind, std::size_t index);

// Lays out a dealt puzzle. Throws std::invalid_argument when its cells do not fit its kind, and
// EConvertError when a division cell is not a number.
TPuzzleLayout LayoutPuzzle(const TPuzzle& puzzle);

// The rule lines of a laid-out puzzle, in the order its panel draws them: under the second
// number; for multiplication the line above the product; for division the bar, the stroke, and
// the lines under the two partial products. A layout that is not a dealt puzzle's (only its Kind
// set) gives the designed places.
std::vector<TPixelBox> RuleLines(const TPuzzleLayout& layout);

// The operator sign of a kind: "+", "-" or "x"; division has none (an empty text).
std::string SignText(TPuzzleKind kind);

}  // namespace gapwise
