// Draws one dealt puzzle on a worksheet page as the window lays it out.
#pragma once

#include <QFont>

#include "deal/worksheet_layout.h"
#include "deal/worksheet_request.h"

class QPainter;

namespace gapwise {

// The worksheets' face, the window's Times New Roman, `size` points high.
QFont SheetFont(double size, bool bold = false);

// Draws the puzzle numbered `number` in its framed cell: the cells, sign and rule lines of the
// window, one digit to a column, a long division as schools write it with "r" before its
// remainder; a box for each hidden digit (the red "?" with the sheet's ShowMask); and in
// multiple-choice mode the four offered values, each after a circle. The answer key's copy
// (`key`) has the hidden digits written in and the right value's circle filled.
void DrawPuzzle(QPainter& painter, const TWorksheet& sheet, std::size_t index,
                const TPuzzlePlace& place, bool key);

}  // namespace gapwise
