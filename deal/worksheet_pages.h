// Draws whole worksheet pages: a pupil's page of puzzles, and a page of the answer key.
#pragma once

#include "deal/worksheet_layout.h"
#include "deal/worksheet_request.h"

class QPainter;

namespace gapwise {

// Page `index` (from 0) of the puzzles: the title, the instruction, on the first of several pages
// the field for the sheet's total, the fields for the pupil's name, the date and the score, the
// page's puzzles, and "Page i of S". The answer key's copy of it (`key`) has the heading "Answer
// key" instead of the instruction and the fields, on its first page the command that deals the
// same sheet again, the puzzles with their answers filled in, and "Answer key, page i of S".
void DrawPuzzlePage(QPainter& painter, const TWorksheet& sheet, const TSheetPage& page, int index,
                    bool key);

}  // namespace gapwise
