// A label that stands each character of its text in a column of its own: 11 pixels for every
// character but the blank, 5 for that, as the puzzle layout counts them.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

#include "engine/layout.h"

namespace gapwise {

// The left edge of each character's column when the text starts at x 0, and the total width.
using TGridColumns = TTextColumns;
TGridColumns GridColumns(const QString& text);

class TGridLabel : public QWidget {
 public:
  // Fixed size; the text ends at the right edge (rightAligned) or starts at the left edge.
  TGridLabel(QWidget* parent, const QRect& bounds, bool rightAligned);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  void SetColors(const QColor& text, const QColor& background);  // invalid background: none
  // Where the first column starts, relative to the label's left edge (a right-aligned label
  // measures back from its right edge instead).
  void SetGridOffset(int offset);
  bool RightAligned() const { return rightAligned_; }
  // The x of each character's column in the label's own coordinates.
  std::vector<int> ColumnLefts() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  bool rightAligned_;
  int offset_ = 0;
  QColor text_ = Qt::black;
  QColor background_;
};

// The red mask that covers the "?" characters of a cell: opaque white, red text, sized to its
// text on the grid but one pixel short, so that it never reaches into the next column.
class TMaskLabel : public TGridLabel {
 public:
  TMaskLabel(QWidget* parent, const QPoint& at);
  void SetMask(const QString& mask, int left, int top, int gridOffset);
};

}  // namespace gapwise
