// Draws whole worksheet pages: header and footer, a page of puzzles, a page of the answer key.
#pragma once

#include "tools/worksheet_layout.h"
#include "tools/worksheet_request.h"

class QPainter;

namespace gapwise {

// Page `index` (from 0) of the puzzles, and the page count for the footer.
void DrawPuzzlePage(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page, int index,
                    int pages);

// Page `index` (from 0) of the answer key, which comes after `puzzlePages` pages of puzzles.
void DrawKeyPage(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page, int index,
                 int puzzlePages, int pages);

}  // namespace gapwise
