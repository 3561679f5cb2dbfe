#include "ui/puzzle_area.h"

#include "ui/toolkit/fonts.h"

namespace gapwise {
namespace {

constexpr int kCellFontPixels = 21;

// A cell label's or a rule line's place as a rectangle.
template <typename TBox>
QRect Box(const TBox& box) {
  return QRect(box.Left, box.Top, box.Width, box.Height);
}

// The rule lines of a kind at their designed places, before the first puzzle moves them.
std::vector<TPixelBox> DesignedRules(TPuzzleKind kind) {
  TPuzzleLayout designed;
  designed.Kind = kind;
  return RuleLines(designed);
}

}  // namespace

// Back to front in each panel: cell labels, sign, rule lines, mask, then the next panel in.
TPuzzleArea::TPuzzleArea(TPanel* panel1) : Panel1(panel1) {
  panels_[pkAddition] = Panel1;
  MakeCells(pkAddition, Panel1);
  Label11 = MakeSign(Panel1, pkAddition);
  Label8 = MakeRule(Panel1, Box(DesignedRules(pkAddition)[0]));
  masks_[pkAddition] = new TMaskLabel(Panel1, QPoint(72, 24));
  Panel3 = panels_[pkSubtraction] = InnerPanel(Panel1);
  MakeCells(pkSubtraction, Panel3);
  Label18 = MakeSign(Panel3, pkSubtraction);
  Label15 = MakeRule(Panel3, Box(DesignedRules(pkSubtraction)[0]));
  masks_[pkSubtraction] = new TMaskLabel(Panel3, QPoint(72, 24));
  Panel4 = panels_[pkMultiplication] = InnerPanel(Panel3);
  MakeCells(pkMultiplication, Panel4);
  Label23 = MakeSign(Panel4, pkMultiplication);
  const std::vector<TPixelBox> multiplication = DesignedRules(pkMultiplication);
  Label20 = MakeRule(Panel4, Box(multiplication[0]));
  Label26 = MakeRule(Panel4, Box(multiplication[1]));
  masks_[pkMultiplication] = new TMaskLabel(Panel4, QPoint(72, 24));
  Panel5 = panels_[pkDivision] = InnerPanel(Panel4);
  MakeCells(pkDivision, Panel5);
  const std::vector<TPixelBox> division = DesignedRules(pkDivision);
  Label28 = MakeRule(Panel5, Box(division[0]));
  Label31 = MakeRule(Panel5, Box(division[1]));
  Label34 = MakeRule(Panel5, Box(division[2]));
  Label35 = MakeRule(Panel5, Box(division[3]));
  masks_[pkDivision] = new TMaskLabel(Panel5, QPoint(72, 24));
}

TPanel* TPuzzleArea::InnerPanel(TPanel* parent) {
  return new TPanel(parent, QRect(0, 0, 169, 209), Qt::white);
}

void TPuzzleArea::MakeCells(TPuzzleKind kind, TPanel* panel) {
  for (std::size_t i = 0; i < CellCount(kind); ++i) {
    const TCellBox box = DesignedCellBox(kind, i);
    cells_[kind].push_back(new TGridLabel(panel, Box(box), box.RightAligned));
  }
}

TLabel* TPuzzleArea::MakeSign(TPanel* panel, TPuzzleKind kind) {
  const QString sign = QString::fromStdString(SignText(kind));
  auto* label = new TLabel(panel, Box(kSignBox), sign, false, Qt::AlignHCenter);
  label->SetFontAndColor(PixelFont(kCellFontPixels), Qt::black);
  return label;
}

QString TPuzzleArea::ShowPuzzle(const TPuzzle& puzzle) {
  const TPuzzleLayout layout = LayoutPuzzle(puzzle);
  ShowPanels(puzzle.Kind);
  ApplyGeometry(layout);
  const std::vector<TGridLabel*>& cells = cells_[puzzle.Kind];
  for (std::size_t i = 0; i < cells.size(); ++i) {
    cells[i]->SetCaption(QString::fromStdString(layout.Texts[i]));
  }
  // A right-aligned cell's mask starts one pixel into the first hidden column.
  const bool right = cells[puzzle.MaskedCell]->RightAligned();
  masks_[puzzle.Kind]->SetMask(QString::fromStdString(puzzle.Mask), layout.MaskLeft, layout.MaskTop,
                               right ? -1 : 0);
  return QString::fromStdString(layout.Caption);
}

// An inner panel that is shown hides everything of its parents.
void TPuzzleArea::ShowPanels(TPuzzleKind kind) {
  if (kind == pkAddition) {
    Panel3->hide();
    return;
  }
  Panel3->show();
  if (kind == pkSubtraction) {
    Panel4->hide();
    return;
  }
  Panel4->show();
  Panel5->setVisible(kind == pkDivision);
}

void TPuzzleArea::ApplyGeometry(const TPuzzleLayout& layout) {
  const std::vector<TPixelBox> rules = RuleLines(layout);
  if (layout.Kind == pkMultiplication) Label26->setGeometry(Box(rules[1]));
  if (layout.Kind != pkDivision) return;
  const std::vector<TGridLabel*>& cells = cells_[pkDivision];
  for (std::size_t i = 3; i < cells.size(); ++i)
    cells[i]->move(layout.Boxes[i].Left, layout.Boxes[i].Top);
  Label34->setGeometry(Box(rules[2]));
  Label35->setGeometry(Box(rules[3]));
}

}  // namespace gapwise
