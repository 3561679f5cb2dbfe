// Draws whole worksheet pages: a pupil's page of puzzles, and a page of the answer key.
#pragma once

#include "tools/worksheet_layout.h"
#include "tools/worksheet_request.h"

class QPainter;

namespace gapwise {

// Page `index` (from 0) of the puzzles: the title, the instruction, the fields for the pupil's
// name, the date and the score, the page's puzzles, and "Page i of S" counting these pages only.
void DrawPuzzlePage(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page, int index);

// Page `index` (from 0) of the answer key: the title, the heading "Answer key", the command that
// deals the same puzzles again, the answers by page of puzzles, and the key's own page count.
void DrawKeyPage(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page, int index);

}  // namespace gapwise
