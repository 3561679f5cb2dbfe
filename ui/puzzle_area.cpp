#include "ui/puzzle_area.h"

#include "engine/layout.h"
#include "ui/toolkit/controls.h"

namespace gapwise {
namespace {

constexpr int kCellFontPixels = 21;

// A cell label's or a rule line's place as a rectangle.
template <typename TBox>
TRect Box(const TBox& box) {
  return TRect{box.Left, box.Top, box.Width, box.Height};
}

// The rule lines of a kind at their designed places, before the first puzzle moves them.
std::vector<TPixelBox> DesignedRules(TPuzzleKind kind) {
  TPuzzleLayout designed;
  designed.Kind = kind;
  return RuleLines(designed);
}

// The left edge of each character's column of text in a label `width` wide: from the right edge
// back for a right-aligned label, from the left edge on otherwise, moved by `offset`.
std::vector<int> ColumnLefts(const std::string& text, int width, bool rightAligned, int offset) {
  const TTextColumns columns = TextColumns(text);
  const int start = rightAligned ? width - columns.Width - offset : offset;
  std::vector<int> lefts = columns.Lefts;
  for (int& left : lefts) left += start;
  return lefts;
}

// The mask is sized to its text on the grid but one pixel short, so that it never reaches into
// the next column; for a right-aligned cell its grid starts one pixel in.
void PlaceMask(TColumnLabel& mask, const std::string& text, int left, int top, int offset) {
  const int width = TextColumns(text).Width - 1;
  mask.SetBounds({left, top, width, kMaskHeight});
  mask.SetColumns(text, ColumnLefts(text, width, false, offset), kCellCharWidth);
}

}  // namespace

// Back to front in each panel: cell labels, sign, rule lines, mask, then the next panel in.
TPuzzleArea::TPuzzleArea(TPanel& panel1) : Panel1(&panel1) {
  Fill(pkAddition, panel1);
  Panel3 = InnerPanel(panel1);
  Fill(pkSubtraction, *Panel3);
  Panel4 = InnerPanel(*Panel3);
  Fill(pkMultiplication, *Panel4);
  Panel5 = InnerPanel(*Panel4);
  Fill(pkDivision, *Panel5);
  Label8 = rules_[pkAddition][0];
  Label11 = signs_[pkAddition];
  Label15 = rules_[pkSubtraction][0];
  Label18 = signs_[pkSubtraction];
  Label20 = rules_[pkMultiplication][0];
  Label26 = rules_[pkMultiplication][1];
  Label23 = signs_[pkMultiplication];
  Label28 = rules_[pkDivision][0];
  Label31 = rules_[pkDivision][1];
  Label34 = rules_[pkDivision][2];
  Label35 = rules_[pkDivision][3];
}

TPanel* TPuzzleArea::InnerPanel(TPanel& parent) {
  return parent.Make<TPanel>(TRect{0, 0, 169, 209}, clWhite);
}

void TPuzzleArea::Fill(TPuzzleKind kind, TPanel& panel) {
  panels_[kind] = &panel;
  for (std::size_t i = 0; i < CellCount(kind); ++i) {
    auto* cell = panel.Make<TColumnLabel>(Box(DesignedCellBox(kind, i)));
    cell->SetFont(FontOf(kCellFontPixels));
    cells_[kind].push_back(cell);
  }
  if (const std::string sign = SignText(kind); !sign.empty()) {
    signs_[kind] = panel.Make<TLabel>(Box(kSignBox), sign, false, taCenter);
    signs_[kind]->SetFont(FontOf(kCellFontPixels));
  }
  for (const TPixelBox& rule : DesignedRules(kind)) {
    rules_[kind].push_back(panel.Make<TLabel>(Box(rule)));
    rules_[kind].back()->SetColor(clBlack);
  }
  masks_[kind] = panel.Make<TColumnLabel>(TRect{72, 24, kCellCharWidth - 1, kMaskHeight});
  masks_[kind]->SetFont(FontOf(kCellFontPixels, fsRegular, clRed));
  masks_[kind]->SetColor(clWhite);
}

std::string TPuzzleArea::ShowPuzzle(const TPuzzle& puzzle) {
  const TPuzzleLayout layout = LayoutPuzzle(puzzle);
  ShowPanels(puzzle.Kind);
  ApplyGeometry(layout);
  const std::vector<TColumnLabel*>& cells = cells_[puzzle.Kind];
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const bool right = layout.Boxes[i].RightAligned;
    const std::string& text = layout.Texts[i];
    cells[i]->SetColumns(text, ColumnLefts(text, cells[i]->Width(), right, 0), kCellCharWidth);
  }
  // A right-aligned cell's mask starts one pixel into the first hidden column.
  const bool right = layout.Boxes[puzzle.MaskedCell].RightAligned;
  PlaceMask(*masks_[puzzle.Kind], puzzle.Mask, layout.MaskLeft, layout.MaskTop, right ? -1 : 0);
  return layout.Caption;
}

// An inner panel that is shown hides everything of its parents.
void TPuzzleArea::ShowPanels(TPuzzleKind kind) {
  if (kind == pkAddition) {
    Panel3->Hide();
    return;
  }
  Panel3->Show();
  if (kind == pkSubtraction) {
    Panel4->Hide();
    return;
  }
  Panel4->Show();
  Panel5->SetVisible(kind == pkDivision);
}

void TPuzzleArea::ApplyGeometry(const TPuzzleLayout& layout) {
  const std::vector<TPixelBox> rules = RuleLines(layout);
  if (layout.Kind == pkMultiplication) Label26->SetBounds(Box(rules[1]));
  if (layout.Kind != pkDivision) return;
  const std::vector<TColumnLabel*>& cells = cells_[pkDivision];
  for (std::size_t i = 3; i < cells.size(); ++i) {
    cells[i]->SetBounds(
        {layout.Boxes[i].Left, layout.Boxes[i].Top, cells[i]->Width(), cells[i]->Height()});
  }
  Label34->SetBounds(Box(rules[2]));
  Label35->SetBounds(Box(rules[3]));
}

}  // namespace gapwise
