// Writes a worksheet as a PDF file through Qt's own PDF writer, without a display.
#pragma once

#include <string>

#include "deal/worksheet_request.h"

namespace gapwise {

// Writes the sheet to sheet.Path and the answer key, a filled-in copy of each pupil's page, to
// sheet.KeyPath, or after the pupils' pages when KeyPath is empty; each through a new file that
// takes its name only when both are complete on the disk. Returns an error text ("cannot write
// PATH: reason"), empty on success.
std::string WriteWorksheet(const TWorksheet& sheet);

}  // namespace gapwise
