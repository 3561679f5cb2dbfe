#include "deal/worksheet_layout.h"

#include <algorithm>
#include <array>

namespace gapwise {
namespace {

// At least 10 mm of paper on every side, where many printers cannot print.
constexpr double kSideMargin = 36;  // points
constexpr double kTopMargin = 32;
constexpr double kHeaderHeight = 76;
constexpr double kFooterHeight = 46;  // below the grid
constexpr double kFooterDrop = 34;    // the footer's baseline above the paper's bottom edge
constexpr double kTopPadding = 5;     // inside a grid cell
constexpr double kBottomPadding = 3;
constexpr double kSidePadding = 4;
// One pixel of the puzzle area across, so that a character column is kColumnWidth wide, and
// down, so that a box stands more than 1 mm from the rule line 14.5 pixels below or above its
// row's middle.
constexpr double kPixelX = kColumnWidth / kCellCharWidth;
constexpr double kPixelY = 1.2;
// The pixel columns that each kind prints in: from its sign or its widest number to the end of
// its rule lines.
struct TColumns {
  int Left;
  int Right;
};
constexpr std::array<TColumns, kKindCount> kKindColumns{
    {{46, 109}, {46, 109}, {35, 111}, {34, 121}}};
// Four offered values side by side, each with its circle.
constexpr double kChoicesWidth = 4 * (kCircle + kChoiceSpace + kChoiceSize + 4);

// The columns and rows that the kinds print in, on the page.
void SpanKinds(TSheetPage& page, const std::vector<std::uint8_t>& kinds) {
  page.AreaLeft = page.FirstRow = 1000;
  for (const std::uint8_t code : kinds.empty() ? std::vector<std::uint8_t>{0, 1, 2, 3} : kinds) {
    const TPuzzleKind kind = KindOfEntry(code);
    page.AreaLeft = std::min(page.AreaLeft, kKindColumns[kind].Left);
    page.AreaRight = std::max(page.AreaRight, kKindColumns[kind].Right);
    for (std::size_t i = 0; i < CellCount(kind); ++i) {
      page.FirstRow = std::min(page.FirstRow, DesignedCellBox(kind, i).Top);
      page.LastRow = std::max(page.LastRow, DesignedCellBox(kind, i).Top);
    }
  }
}

int PagesFor(int count, int perPage) {
  return (count + perPage - 1) / perPage;
}

}  // namespace

double TPuzzlePlace::X(double x) const {
  return OriginX + x * kPixelX;
}

double TPuzzlePlace::Y(double y) const {
  return OriginY + y * kPixelY;
}

TPuzzleLayout SheetLayout(const TPuzzle& puzzle) {
  TPuzzleLayout layout = LayoutPuzzle(puzzle);
  if (puzzle.Kind != pkDivision) return layout;
  const TCellBox& dividend = layout.Boxes[2];
  const int end = dividend.Left + TextColumns(layout.Texts[2]).Width;
  for (const std::size_t cell : {1, 4, 5, 6}) {
    layout.Boxes[cell].RightAligned = true;
    layout.Boxes[cell].Left = end - layout.Boxes[cell].Width;
  }
  return layout;
}

double ColumnBeside(const TPuzzlePlace& place, const TPuzzleLayout& layout, std::size_t cell,
                    int step) {
  const std::vector<double> lefts = CellColumns(place, layout.Texts[cell], layout.Boxes[cell]);
  return (step < 0 ? lefts.front() : lefts.back()) + step * kColumnWidth;
}

TSheetPage SheetPage(TPaper paper, bool multipleChoice, const std::vector<std::uint8_t>& kinds) {
  TSheetPage page;
  page.Width = paper == TPaper::A4 ? 595.276 : 612;
  page.Height = paper == TPaper::A4 ? 841.890 : 792;
  page.MultipleChoice = multipleChoice;
  const double width = page.Width - 2 * kSideMargin;
  page.Header = {kSideMargin, kTopMargin, width, kHeaderHeight};
  const double gridTop = kTopMargin + kHeaderHeight;
  page.Grid = {kSideMargin, gridTop, width, page.Height - kFooterHeight - gridTop};
  page.FooterBaseline = page.Height - kFooterDrop;
  SpanKinds(page, kinds);
  double cellWidth = (page.AreaRight - page.AreaLeft) * kPixelX;
  double cellHeight = (page.LastRow - page.FirstRow) * kPixelY + kBoxHeight;
  if (multipleChoice) {
    cellWidth = std::max(cellWidth, kChoicesWidth);
    cellHeight += kChoiceGap + kCircle;
  }
  page.Columns = std::max(1, static_cast<int>(page.Grid.Width / (cellWidth + 2 * kSidePadding)));
  page.Rows =
      std::max(1, static_cast<int>(page.Grid.Height / (cellHeight + kTopPadding + kBottomPadding)));
  return page;
}

TPuzzlePlace PuzzlePlace(const TSheetPage& page, int slot) {
  const double width = page.Grid.Width / page.Columns;
  const double height = page.Grid.Height / page.Rows;
  TPuzzlePlace place;
  place.Cell = {page.Grid.Left + width * (slot % page.Columns),
                page.Grid.Top + height * (slot / page.Columns), width, height};
  const double used = (page.AreaRight - page.AreaLeft) * kPixelX;
  place.OriginX = place.Cell.Left + (width - used) / 2 - page.AreaLeft * kPixelX;
  place.OriginY =
      place.Cell.Top + kTopPadding + kBoxHeight / 2 - (page.FirstRow + kMaskHeight / 2.0) * kPixelY;
  return place;
}

double RowMiddle(const TPuzzlePlace& place, int top) {
  return place.Y(top + kMaskHeight / 2.0);
}

TSheetRect RuleRect(const TPuzzlePlace& place, const TPixelRect& rule) {
  TSheetRect rect{place.X(rule.Left), place.Y(rule.Top),
                  place.X(rule.Left + rule.Width) - place.X(rule.Left),
                  place.Y(rule.Top + rule.Height) - place.Y(rule.Top)};
  if (rule.Width >= rule.Height) {
    rect.Top += (rect.Height - kRuleWidth) / 2;
    rect.Height = kRuleWidth;
  } else {
    rect.Left += (rect.Width - kRuleWidth) / 2;
    rect.Width = kRuleWidth;
  }
  return rect;
}

std::vector<double> CellColumns(const TPuzzlePlace& place, const std::string& text,
                                const TCellBox& box) {
  const TTextColumns columns = TextColumns(text);
  const int left = box.RightAligned ? box.Left + box.Width - columns.Width : box.Left;
  std::vector<double> lefts;
  for (const int column : columns.Lefts) lefts.push_back(place.X(left + column));
  return lefts;
}

std::vector<TSheetRect> GapBoxes(const TPuzzlePlace& place, const TPuzzleLayout& layout,
                                 const TPuzzle& puzzle) {
  const std::string& text = layout.Texts.at(puzzle.MaskedCell);
  const TCellBox& box = layout.Boxes.at(puzzle.MaskedCell);
  const std::vector<double> lefts = CellColumns(place, text, box);
  const double top = RowMiddle(place, box.Top) - kBoxHeight / 2;
  std::vector<TSheetRect> boxes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '?') continue;
    boxes.push_back({lefts[i] + (kColumnWidth - kBoxWidth) / 2, top, kBoxWidth, kBoxHeight});
  }
  return boxes;
}

double LowestLine(const TPuzzlePlace& place, const TPuzzleLayout& layout) {
  double lowest = place.Cell.Top;
  for (const TCellBox& box : layout.Boxes) {
    lowest = std::max(lowest, RowMiddle(place, box.Top) + kBoxHeight / 2);
  }
  return lowest;
}

TSheetRect ChoiceCircle(const TPuzzlePlace& place, const TPuzzleLayout& layout, int index) {
  const double step = (place.Cell.Width - 2 * kSidePadding) / 4;
  const double inset = (step - kCircle - kChoiceSpace - kChoiceSize) / 2;
  return {place.Cell.Left + kSidePadding + step * index + inset,
          LowestLine(place, layout) + kChoiceGap, kCircle, kCircle};
}

int PuzzlePages(const TSheetPage& page, int count) {
  return PagesFor(count, page.PerPage());
}

std::optional<TSign> SignOf(TPuzzleKind kind) {
  if (kind == pkDivision) return {};
  return TSign{SignText(kind), kSignBox};
}

}  // namespace gapwise
