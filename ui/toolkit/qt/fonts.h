// Fonts and colours of the windows in Qt's terms: Times New Roman (Liberation Serif here) at sizes
// given in pixels, and the toolkit's colours with the system's ones taken from the palette.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "ui/toolkit/types.h"

class QWidget;

namespace gapwise::qt {

// The windows' face at a character height of `pixels`, fully hinted so that digits advance by
// whole pixels (11 at 21 pixels).
QFont PixelFont(int pixels, unsigned style = fsRegular);
QFont QtFont(const TFont& font);

// The colour as `widget` shows it; an invalid colour for clNone.
QColor QtColor(TColor color, const QWidget& widget);

// Text as Qt holds it, and back: the program's texts are UTF-8.
inline QString QtText(const std::string& text) {
  return QString::fromStdString(text);
}

// Sets the text colour of a widget's palette (window text and button text) unless it is the
// system's window-text colour, which the widget inherits.
void SetTextColor(QWidget& widget, TColor color);

}  // namespace gapwise::qt
