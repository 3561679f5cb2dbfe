// Fonts of the windows: Times New Roman (Liberation Serif here) at sizes given in pixels.
#pragma once

#include <QFont>

namespace gapwise {

enum TFontStyle : unsigned { fsRegular = 0, fsBold = 1, fsItalic = 2 };

// The windows' face at a character height of `pixels`, fully hinted so that digits advance by
// whole pixels (11 at 21 pixels).
QFont PixelFont(int pixels, unsigned style = fsRegular);

}  // namespace gapwise
