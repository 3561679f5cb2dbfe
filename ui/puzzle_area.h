// The puzzle area of the main window: four nested panels of cell labels, signs, rule lines and
// red masks, laid out for each new puzzle by ShowPuzzle.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "engine/layout.h"
#include "engine/puzzle.h"
#include "ui/toolkit/grid_label.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/panel.h"

namespace gapwise {

class TPuzzleArea {
 public:
  // Builds Panel3 to Panel5 and every label inside panel1, which the window has made.
  explicit TPuzzleArea(TPanel* panel1);

  // Shows the puzzle's panel, places and fills its labels and its mask; returns the caption
  // that the choice list takes.
  QString ShowPuzzle(const TPuzzle& puzzle);

  const std::vector<TGridLabel*>& Cells(TPuzzleKind kind) const { return cells_[kind]; }
  TMaskLabel* Mask(TPuzzleKind kind) const { return masks_[kind]; }
  TPanel* PanelOf(TPuzzleKind kind) const { return panels_[kind]; }

  TPanel* Panel1;
  TPanel* Panel3 = nullptr;
  TPanel* Panel4 = nullptr;
  TPanel* Panel5 = nullptr;
  QWidget* Label8 = nullptr;  // rule lines
  QWidget* Label15 = nullptr;
  QWidget* Label20 = nullptr;
  QWidget* Label26 = nullptr;
  QWidget* Label28 = nullptr;
  QWidget* Label31 = nullptr;
  QWidget* Label34 = nullptr;
  QWidget* Label35 = nullptr;
  TLabel* Label11 = nullptr;  // signs
  TLabel* Label18 = nullptr;
  TLabel* Label23 = nullptr;

 private:
  TPanel* InnerPanel(TPanel* parent);
  void MakeCells(TPuzzleKind kind, TPanel* panel);
  TLabel* MakeSign(TPanel* panel, TPuzzleKind kind);
  void ShowPanels(TPuzzleKind kind);
  void ApplyGeometry(const TPuzzleLayout& layout);

  std::array<TPanel*, 4> panels_{};
  std::array<std::vector<TGridLabel*>, 4> cells_;
  std::array<TMaskLabel*, 4> masks_{};
};

}  // namespace gapwise
