#include "tools/worksheet_layout.h"

#include <algorithm>

namespace gapwise {
namespace {

constexpr double kSideMargin = 36;  // points
constexpr double kTopMargin = 32;
constexpr double kBottomMargin = 36;
constexpr double kHeaderHeight = 58;
constexpr double kFooterDrop = 18;  // the footer's baseline above the paper's bottom edge
constexpr double kCellPadding = 4;
constexpr double kChoicesHeight = 16;
// The printed part of the puzzle area, in its pixels: everything any kind draws.
constexpr TPixelRect kPrintedArea{0, 14, 140, 170};
// Digits at most 15 points high: the area's 21-pixel font.
constexpr double kMostScale = 15.0 / 21.0;

// A column of the key: its heading line, one line per puzzle of a page, and a blank line.
constexpr double kKeyColumnHeight = kKeyLineHeight * (kPuzzlesPerPage + 2);

int KeyBands(const TSheetPage& page) {
  return std::max(1, static_cast<int>(page.Grid.Height / kKeyColumnHeight));
}

}  // namespace

TSheetPage SheetPage(TPaper paper) {
  TSheetPage page;
  page.Width = paper == TPaper::A4 ? 595.276 : 612;
  page.Height = paper == TPaper::A4 ? 841.890 : 792;
  const double width = page.Width - 2 * kSideMargin;
  page.Header = {kSideMargin, kTopMargin, width, kHeaderHeight};
  const double gridTop = kTopMargin + kHeaderHeight;
  page.Grid = {kSideMargin, gridTop, width, page.Height - kBottomMargin - gridTop};
  page.FooterBaseline = page.Height - kFooterDrop;
  return page;
}

TPuzzlePlace PuzzlePlace(const TSheetPage& page, bool multipleChoice, int slot) {
  const double width = page.Grid.Width / kSheetColumns;
  const double height = page.Grid.Height / kSheetRows;
  TPuzzlePlace place;
  place.Cell = {page.Grid.Left + width * (slot % kSheetColumns),
                page.Grid.Top + height * (slot / kSheetColumns), width, height};
  const double below = multipleChoice ? kChoicesHeight : 0;
  place.Scale = std::min({kMostScale, (width - 2 * kCellPadding) / kPrintedArea.Width,
                          (height - below - kCellPadding) / kPrintedArea.Height});
  place.OriginX = place.Cell.Left + (width - kPrintedArea.Width * place.Scale) / 2 -
                  kPrintedArea.Left * place.Scale;
  place.OriginY = place.Cell.Top + kCellPadding - kPrintedArea.Top * place.Scale;
  place.ChoicesTop = place.OriginY + (kPrintedArea.Top + kPrintedArea.Height) * place.Scale;
  return place;
}

int KeyEntriesPerPage(const TSheetPage& page) {
  return KeyBands(page) * kKeyColumns * kPuzzlesPerPage;
}

TSheetRect KeyHeading(const TSheetPage& page, int column) {
  const double width = page.Grid.Width / kKeyColumns;
  return {page.Grid.Left + width * (column % kKeyColumns),
          page.Grid.Top + kKeyColumnHeight * (column / kKeyColumns), width, kKeyLineHeight};
}

TSheetRect KeyPlace(const TSheetPage& page, int slot) {
  TSheetRect place = KeyHeading(page, slot / kPuzzlesPerPage);
  place.Top += kKeyLineHeight * (1 + slot % kPuzzlesPerPage);
  return place;
}

int PuzzlePages(int count) {
  return (count + kPuzzlesPerPage - 1) / kPuzzlesPerPage;
}

int KeyPages(const TSheetPage& page, int count) {
  const int perPage = KeyEntriesPerPage(page);
  return (count + perPage - 1) / perPage;
}

std::optional<TSign> SignOf(TPuzzleKind kind) {
  if (kind == pkDivision) return {};
  return TSign{SignText(kind), kSignBox};
}

TPixelRect GapBox(const TPuzzleLayout& layout, const TPuzzle& puzzle) {
  const int width = kCellCharWidth * static_cast<int>(puzzle.Mask.size()) - 1;
  return {layout.MaskLeft, layout.MaskTop, width, kMaskHeight};
}

std::vector<int> CellColumns(const std::string& text, const TCellBox& box) {
  TTextColumns columns = TextColumns(text);
  const int left = box.RightAligned ? box.Left + box.Width - columns.Width : box.Left;
  for (int& column : columns.Lefts) column += left;
  return columns.Lefts;
}

}  // namespace gapwise
