// A panel: a filled rectangle with a one-pixel lowered outer bevel, holding other controls.
#pragma once

#include <QColor>
#include <QWidget>

namespace gapwise {

class TPanel : public QWidget {
 public:
  TPanel(QWidget* parent, const QRect& bounds, const QColor& color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor color_;
};

// The two shades of a bevel.
inline const QColor kBevelShadow(160, 160, 160);
inline const QColor kBevelHighlight(255, 255, 255);

// A filled rectangle without text: the rule lines of a calculation.
QWidget* MakeRule(QWidget* parent, const QRect& bounds, const QColor& color = Qt::black);

}  // namespace gapwise
