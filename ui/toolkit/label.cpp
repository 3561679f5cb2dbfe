#include "ui/toolkit/label.h"

namespace gapwise {

TLabel::TLabel(QWidget* parent, const QRect& bounds, const QString& caption, bool autoSize,
               Qt::Alignment alignment)
    : QLabel(parent), autoSize_(autoSize) {
  setGeometry(bounds);
  setAlignment(alignment | Qt::AlignTop);
  setTextFormat(Qt::PlainText);
  setMargin(0);
  setIndent(0);
  SetCaption(caption);
}

void TLabel::SetCaption(const QString& caption) {
  if (caption != text()) setText(caption);
  const QSize size(fontMetrics().horizontalAdvance(caption), fontMetrics().height());
  if (autoSize_ && size != this->size()) resize(size);
}

void TLabel::SetFontAndColor(const QFont& font, const QColor& color) {
  setFont(font);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, color);
  setPalette(palette);
  SetCaption(text());
}

}  // namespace gapwise
