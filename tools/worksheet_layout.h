// Where everything stands on a worksheet: the page in points, a puzzle's lines and boxes in pixels.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/layout.h"
#include "tools/worksheet_request.h"

namespace gapwise {

inline constexpr int kSheetColumns = 4;
inline constexpr int kSheetRows = 5;
inline constexpr int kPuzzlesPerPage = kSheetColumns * kSheetRows;
inline constexpr int kKeyColumns = 8;
inline constexpr double kKeyLineHeight = 14;  // points

// A rectangle in points on the page; in the puzzle area's pixels it is a TPixelRect.
struct TSheetRect {
  double Left = 0;
  double Top = 0;
  double Width = 0;
  double Height = 0;

  friend bool operator==(const TSheetRect&, const TSheetRect&) = default;
};
using TPixelRect = TPixelBox;

// A page: its size, the header band above the grid, the grid, and the footer's baseline.
struct TSheetPage {
  double Width = 0;
  double Height = 0;
  TSheetRect Header;
  TSheetRect Grid;
  double FooterBaseline = 0;
};

// One puzzle's place: its framed grid cell, where the puzzle area's pixel (0, 0) lands, how many
// points one of its pixels takes, and the top of the row of offered values.
struct TPuzzlePlace {
  TSheetRect Cell;
  double OriginX = 0;
  double OriginY = 0;
  double Scale = 0;
  double ChoicesTop = 0;
};

struct TSign {
  std::string Text;
  TPixelRect Box;  // the text is centred in it, its top at the box's top
};

TSheetPage SheetPage(TPaper paper);

// The place of the puzzle in grid slot `slot` (0 to 19, row by row).
TPuzzlePlace PuzzlePlace(const TSheetPage& page, bool multipleChoice, int slot);

// The answer key lists the answers of each page of puzzles in a column of its own, headed by that
// page's number: how many answers a page of the key takes, the place of the answer in `slot` (0
// for the first puzzle the key page lists), and the place of the heading of column `column`.
int KeyEntriesPerPage(const TSheetPage& page);
TSheetRect KeyPlace(const TSheetPage& page, int slot);
TSheetRect KeyHeading(const TSheetPage& page, int column);

// The pages of puzzles and of the answer key for `count` puzzles.
int PuzzlePages(int count);
int KeyPages(const TSheetPage& page, int count);

// The operator sign of a kind; division has none.
std::optional<TSign> SignOf(TPuzzleKind kind);

// The box that stands where the hidden digits are, the size of the window's mask.
TPixelRect GapBox(const TPuzzleLayout& layout, const TPuzzle& puzzle);

// The left edge of each character's column of a cell text in its label's box.
std::vector<int> CellColumns(const std::string& text, const TCellBox& box);

}  // namespace gapwise
