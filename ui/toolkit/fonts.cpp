#include "ui/toolkit/fonts.h"

namespace gapwise {

QFont PixelFont(int pixels, unsigned style) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(pixels);
  font.setBold((style & fsBold) != 0);
  font.setItalic((style & fsItalic) != 0);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setStyleHint(QFont::Serif);
  return font;
}

}  // namespace gapwise
