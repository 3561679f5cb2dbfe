// The answer box: static text, centred, not editable, in a sunken frame with a soft bevel.
#pragma once

#include <QColor>
#include <QWidget>

namespace gapwise::qt {

class TStaticText : public QWidget {
 public:
  explicit TStaticText(QWidget* parent);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

}  // namespace gapwise::qt
