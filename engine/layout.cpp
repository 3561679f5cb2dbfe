#include "engine/layout.h"

#include <array>
#include <stdexcept>

#include "engine/convert.h"

namespace gapwise {
namespace {

constexpr std::array<TCellBox, 3> kColumnBoxes{{
    {56, 24, 49, 25, true},
    {56, 48, 49, 25, true},
    {40, 80, 65, 25, true},
}};

constexpr std::array<TCellBox, 5> kMultiplicationBoxes{{
    {56, 24, 49, 25, true},
    {56, 48, 49, 25, true},
    {40, 80, 65, 25, true},
    {29, 104, 65, 25, true},
    {24, 136, 81, 25, true},
}};

constexpr std::array<TCellBox, 7> kDivisionBoxes{{
    {8, 48, 49, 25, true},
    {72, 16, 49, 25, false},
    {72, 48, 57, 25, false},
    {72, 72, 57, 25, false},
    {60, 104, 57, 25, true},
    {60, 128, 57, 25, true},
    {60, 160, 57, 25, true},
}};

int Length(const std::string& text) {
  return static_cast<int>(text.size());
}

// t of the mask rule: the characters from the first hidden one to the end, 1 for a cell hidden
// whole.
int Tail(const TPuzzle& puzzle) {
  return puzzle.TailLen == 0 ? 1 : puzzle.TailLen;
}

void LayOutColumn(const TPuzzle& puzzle, TPuzzleLayout& layout) {
  layout.Blank = puzzle.Cells[0].size() == 3;
  if (layout.Blank) {
    for (std::string& text : layout.Texts) text += ' ';
  }
  const int right = layout.Blank ? 106 - kCellBlankWidth : 106;
  layout.MaskLeft = right - kCellCharWidth * Tail(puzzle);
}

void LayOutMultiplication(const TPuzzle& puzzle, TPuzzleLayout& layout) {
  const bool sixDigits = puzzle.Cells[4].size() >= 6;
  layout.Geometry.RuleWidth = sixDigits ? 74 : 62;
  layout.Geometry.RuleLeft = sixDigits ? 36 : 46;
  const int right = puzzle.MaskedCell == 3 ? 95 : 106;
  layout.MaskLeft = right - kCellCharWidth * Tail(puzzle);
}

// Label33 moves one column right when the dividend's first digits are too small for the first
// partial product, so that the product ends under the dividend's second-to-last digit.
int FirstProductLeft(const std::string& dividend, const std::string& product) {
  const std::string head = dividend.substr(0, product.size());
  return StrToInt(head) < StrToInt(product) ? 83 : 72;
}

void LayOutDivision(const TPuzzle& puzzle, TPuzzleLayout& layout) {
  const std::string dividend = UnmaskedCell(puzzle, 2);
  TNumberGeometry& g = layout.Geometry;
  const bool small = StrToInt(dividend) < 1000;
  g.LowerLeft = small ? 48 : 60;
  g.Label34Width = small ? 34 : 44;
  g.Label35Width = kCellCharWidth * Length(puzzle.Cells[4]) + 2;
  g.Label35Left = kCellCharWidth * Length(puzzle.Cells[2]) + 74 - g.Label35Width;
  g.Label33Left = FirstProductLeft(dividend, UnmaskedCell(puzzle, 3));
  layout.Boxes[3].Left = g.Label33Left;
  for (std::size_t i = 4; i < 7; ++i) layout.Boxes[i].Left = g.LowerLeft;
  const TCellBox& box = layout.Boxes[puzzle.MaskedCell];
  if (box.RightAligned) {
    layout.MaskLeft = box.Left + box.Width + 1 - kCellCharWidth * Tail(puzzle);
  } else {
    const int before = puzzle.HidePos > 0 ? puzzle.HidePos - 1 : 0;
    layout.MaskLeft = box.Left + kCellCharWidth * before;
  }
}

}  // namespace

std::size_t CellCount(TPuzzleKind kind) {
  switch (kind) {
    case pkMultiplication:
      return kMultiplicationBoxes.size();
    case pkDivision:
      return kDivisionBoxes.size();
    case pkAddition:
    case pkSubtraction:
      break;
  }
  return kColumnBoxes.size();
}

TCellBox DesignedCellBox(TPuzzleKind kind, std::size_t index) {
  if (index >= CellCount(kind)) throw std::out_of_range("no such cell");
  if (kind == pkMultiplication) return kMultiplicationBoxes[index];
  if (kind == pkDivision) return kDivisionBoxes[index];
  return kColumnBoxes[index];
}

TPuzzleLayout LayoutPuzzle(const TPuzzle& puzzle) {
  const std::size_t count = CellCount(puzzle.Kind);
  if (puzzle.Cells.size() != count || puzzle.MaskedCell >= count) {
    throw std::invalid_argument("the puzzle's cells do not fit its kind");
  }
  TPuzzleLayout layout;
  layout.Kind = puzzle.Kind;
  layout.Texts = puzzle.Cells;
  for (std::size_t i = 0; i < count; ++i) layout.Boxes.push_back(DesignedCellBox(puzzle.Kind, i));
  if (puzzle.Kind == pkMultiplication) {
    LayOutMultiplication(puzzle, layout);
  } else if (puzzle.Kind == pkDivision) {
    LayOutDivision(puzzle, layout);
  } else {
    LayOutColumn(puzzle, layout);
  }
  layout.MaskTop = layout.Boxes[puzzle.MaskedCell].Top;
  layout.Caption = puzzle.Mask == "??" ? " ?? is : " : "  ? is : ";
  return layout;
}

TTextColumns TextColumns(std::string_view text) {
  TTextColumns columns;
  for (const char c : text) {
    columns.Lefts.push_back(columns.Width);
    columns.Width += c == ' ' ? kCellBlankWidth : kCellCharWidth;
  }
  return columns;
}

std::vector<TPixelBox> RuleLines(const TPuzzleLayout& layout) {
  const TNumberGeometry& g = layout.Geometry;
  const TPixelBox underSecond{47, 73, 61, kRuleThickness};
  switch (layout.Kind) {
    case pkMultiplication:
      return {underSecond, {g.RuleLeft, 129, g.RuleWidth, kRuleThickness}};
    case pkDivision:
      return {{63, 41, 57, kRuleThickness},
              {63, 41, kRuleThickness, 30},
              {72, 97, g.Label34Width, kRuleThickness},
              {g.Label35Left, 153, g.Label35Width, kRuleThickness}};
    case pkAddition:
    case pkSubtraction:
      break;
  }
  return {underSecond};
}

std::string SignText(TPuzzleKind kind) {
  static constexpr std::array<const char*, kKindCount> kSigns{"+", "-", "x", ""};
  return kSigns[kind];
}

}  // namespace gapwise
