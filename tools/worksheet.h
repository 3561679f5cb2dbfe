// Writes a worksheet as a PDF file through Qt's own PDF writer, without a display.
#pragma once

#include <string>

#include "tools/worksheet_request.h"

namespace gapwise {

// Writes the sheet to sheet.Path, its answer key last or, when sheet.KeyPath is given, in that
// file alone; each through a temporary file that replaces its file only when both are complete.
// Returns an error text ("cannot write PATH: reason"), empty on success.
std::string WriteWorksheet(const TWorksheet& sheet);

}  // namespace gapwise
