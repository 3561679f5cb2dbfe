// The puzzle area of the main window: four nested panels of cell labels, signs, rule lines and
// red masks, laid out for each new puzzle by ShowPuzzle.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/puzzle.h"

namespace gapwise {

class TColumnLabel;
class TLabel;
class TPanel;
struct TPuzzleLayout;

class TPuzzleArea {
 public:
  // Builds Panel3 to Panel5 and every label inside panel1, which the window has made.
  explicit TPuzzleArea(TPanel& panel1);

  // Shows the puzzle's panel, places and fills its labels and its mask; returns the caption
  // that the choice list takes.
  std::string ShowPuzzle(const TPuzzle& puzzle);

  const std::vector<TColumnLabel*>& Cells(TPuzzleKind kind) const { return cells_[kind]; }
  TColumnLabel* Mask(TPuzzleKind kind) const { return masks_[kind]; }
  TPanel* PanelOf(TPuzzleKind kind) const { return panels_[kind]; }

  TPanel* Panel1;
  TPanel* Panel3 = nullptr;
  TPanel* Panel4 = nullptr;
  TPanel* Panel5 = nullptr;
  TLabel* Label8 = nullptr;  // rule lines
  TLabel* Label15 = nullptr;
  TLabel* Label20 = nullptr;
  TLabel* Label26 = nullptr;
  TLabel* Label28 = nullptr;
  TLabel* Label31 = nullptr;
  TLabel* Label34 = nullptr;
  TLabel* Label35 = nullptr;
  TLabel* Label11 = nullptr;  // signs
  TLabel* Label18 = nullptr;
  TLabel* Label23 = nullptr;

 private:
  void Fill(TPuzzleKind kind, TPanel& panel);
  TPanel* InnerPanel(TPanel& parent);
  void ShowPanels(TPuzzleKind kind);
  void ApplyGeometry(const TPuzzleLayout& layout);

  std::array<TPanel*, 4> panels_{};
  std::array<std::vector<TColumnLabel*>, 4> cells_;
  std::array<std::vector<TLabel*>, 4> rules_;
  std::array<TLabel*, 4> signs_{};
  std::array<TColumnLabel*, 4> masks_{};
};

}  // namespace gapwise
