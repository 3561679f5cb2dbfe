#include "ui/toolkit/qt/fonts.h"

#include <QPalette>
#include <QWidget>

namespace gapwise::qt {

QFont PixelFont(int pixels, unsigned style) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(pixels);
  font.setBold((style & fsBold) != 0);
  font.setItalic((style & fsItalic) != 0);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setStyleHint(QFont::Serif);
  return font;
}

QFont QtFont(const TFont& font) {
  QFont qt = PixelFont(font.Height, font.Style);
  if (font.Name != "Times New Roman") qt.setFamily(QtText(font.Name));
  return qt;
}

QColor QtColor(TColor color, const QWidget& widget) {
  switch (color.Kind) {
    case TColor::kNone:
      return QColor();
    case TColor::kRgb:
      return QColor(color.R, color.G, color.B);
    case TColor::kWindowText:
      return widget.palette().color(QPalette::WindowText);
    case TColor::kButtonFace:
      return widget.palette().color(QPalette::Button);
  }
  return QColor();
}

void SetTextColor(QWidget& widget, TColor color) {
  if (color == clWindowText) return;
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, QtColor(color, widget));
  palette.setColor(QPalette::ButtonText, QtColor(color, widget));
  widget.setPalette(palette);
}

}  // namespace gapwise::qt
