// A text label: transparent, text at the top, fixed size with an alignment or sized to its text.
#pragma once

#include <QLabel>

namespace gapwise {

class TLabel : public QLabel {
 public:
  // With autoSize the label keeps bounds' top-left corner and takes the size of its text.
  TLabel(QWidget* parent, const QRect& bounds, const QString& caption, bool autoSize,
         Qt::Alignment alignment = Qt::AlignLeft);

  void SetCaption(const QString& caption);
  void SetFontAndColor(const QFont& font, const QColor& color);

 private:
  bool autoSize_;
};

}  // namespace gapwise
