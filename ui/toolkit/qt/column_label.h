// A label that stands each character of its text centred in a column of its own.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

namespace gapwise::qt {

class TColumnLabel : public QWidget {
 public:
  explicit TColumnLabel(QWidget* parent);

  QString Caption() const { return caption_; }
  // Character i is drawn centred in [lefts[i], lefts[i] + width); blanks stay empty.
  void SetColumns(const QString& caption, const std::vector<int>& lefts, int width);
  void SetColors(const QColor& text, const QColor& background);  // invalid background: none

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  std::vector<int> lefts_;
  int width_ = 0;
  QColor text_ = Qt::black;
  QColor background_;
};

}  // namespace gapwise::qt
