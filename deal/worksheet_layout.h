// Where everything stands on a worksheet, in points: the page, the grid of puzzles, and in each
// puzzle the digits, boxes, rule lines and offered values, placed by the window's own layout.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "deal/worksheet_request.h"
#include "engine/layout.h"

namespace gapwise {

inline constexpr double kMillimetre = 72 / 25.4;           // points
inline constexpr double kDigitSize = 18;                   // points: the calculations' digits
inline constexpr double kColumnWidth = 8.5 * kMillimetre;  // one digit's column
// A box for one hidden digit, its frame kBoxLine thick: more than 6 by 8 mm inside and 1 mm
// from its neighbour in the next column.
inline constexpr double kBoxWidth = 7.2 * kMillimetre;
inline constexpr double kBoxHeight = 9 * kMillimetre;
inline constexpr double kBoxLine = 1;
inline constexpr double kCircle = 5.2 * kMillimetre;     // the circle before an offered value
inline constexpr double kChoiceGap = 4.5 * kMillimetre;  // from the lowest line to the circles
inline constexpr double kChoiceSize = 16;  // points: an offered value, two digits 1 em wide
inline constexpr double kChoiceSpace = 3;  // from a circle to its value
inline constexpr double kRuleWidth = 1.2;

// A rectangle in points on the page; in the puzzle area's pixels it is a TPixelRect.
struct TSheetRect {
  double Left = 0;
  double Top = 0;
  double Width = 0;
  double Height = 0;

  double Right() const { return Left + Width; }
  double Bottom() const { return Top + Height; }
  friend bool operator==(const TSheetRect&, const TSheetRect&) = default;
};
using TPixelRect = TPixelBox;

// A page: its size, the header band above the grid, the grid of Columns x Rows puzzles, and the
// footer's baseline.
struct TSheetPage {
  double Width = 0;
  double Height = 0;
  TSheetRect Header;
  TSheetRect Grid;
  double FooterBaseline = 0;
  bool MultipleChoice = false;
  int Columns = 1;
  int Rows = 1;
  // The puzzle area's pixel columns that the sheet's kinds print in, and the tops of their
  // highest and lowest rows of cells.
  int AreaLeft = 0;
  int AreaRight = 0;
  int FirstRow = 0;
  int LastRow = 0;

  int PerPage() const { return Columns * Rows; }
};

// One puzzle's place: its framed grid cell, and where the puzzle area's pixels land: pixel column
// x at X(x), pixel row y at Y(y). A character column of the area is kColumnWidth wide.
struct TPuzzlePlace {
  TSheetRect Cell;
  double OriginX = 0;
  double OriginY = 0;

  double X(double x) const;
  double Y(double y) const;
};

struct TSign {
  std::string Text;
  TPixelRect Box;  // the text is centred in it, on the row of the cell beside it
};

// A dealt puzzle laid out as the window lays it out, except that a long division is written as
// schools teach it: the quotient and the rows below the first product end over and under the
// dividend's last digit, so that each quotient digit stands over the last digit of the partial
// dividend it comes from.
TPuzzleLayout SheetLayout(const TPuzzle& puzzle);

// The left edge of the column beside a cell's text: before its first character (step -1) or
// after its last (step 1).
double ColumnBeside(const TPuzzlePlace& place, const TPuzzleLayout& layout, std::size_t cell,
                    int step);

// The page for the paper, with as many puzzles of these kinds as fit in the grid with their
// offered values: fewer with division, whose puzzles are the tallest and widest.
TSheetPage SheetPage(TPaper paper, bool multipleChoice, const std::vector<std::uint8_t>& kinds);

// The place of the puzzle in grid slot `slot` (from 0, row by row).
TPuzzlePlace PuzzlePlace(const TSheetPage& page, int slot);

// The middle on the page of the row whose labels have their top at pixel row `top`: its digits,
// a box in it and an operator sign beside it are centred there.
double RowMiddle(const TPuzzlePlace& place, int top);

// A rule line of the layout on the page, kRuleWidth thick.
TSheetRect RuleRect(const TPuzzlePlace& place, const TPixelRect& rule);

// The left edge of each character's column of a cell text on the page.
std::vector<double> CellColumns(const TPuzzlePlace& place, const std::string& text,
                                const TCellBox& box);

// One box for each hidden digit, in that digit's column and its cell's row.
std::vector<TSheetRect> GapBoxes(const TPuzzlePlace& place, const TPuzzleLayout& layout,
                                 const TPuzzle& puzzle);

// The bottom of the calculation's lowest line, a box in it included.
double LowestLine(const TPuzzlePlace& place, const TPuzzleLayout& layout);

// The circle before offered value `index` (0 to 3), kChoiceGap below the lowest line.
TSheetRect ChoiceCircle(const TPuzzlePlace& place, const TPuzzleLayout& layout, int index);

// The pages of puzzles for `count` puzzles; the answer key has as many, one for each.
int PuzzlePages(const TSheetPage& page, int count);

// The operator sign of a kind as the window shows it ("+", "-", "x"); division has none.
std::optional<TSign> SignOf(TPuzzleKind kind);

}  // namespace gapwise
