// Draws one dealt puzzle on a worksheet page exactly as the window lays it out.
#pragma once

#include <QFont>

#include "tools/worksheet_layout.h"
#include "tools/worksheet_request.h"

class QPainter;

namespace gapwise {

// The worksheets' face, the window's Times New Roman, `size` units high (points on the page).
QFont SheetFont(double size, bool bold = false);

// Draws the puzzle numbered `number` in its framed cell: the cells, sign and rule lines of the
// window, an empty box where the hidden digits stand (the red "?" with showMask), and in
// multiple-choice mode the four offered values, each with a circle to tick.
void DrawPuzzle(QPainter& painter, const TSheetPuzzle& item, const TPuzzlePlace& place, int number,
                bool showMask);

}  // namespace gapwise
