// A panel: a filled rectangle with a one-pixel lowered outer bevel, holding other controls.
#pragma once

#include <QColor>
#include <QWidget>

namespace gapwise::qt {

class TPanel : public QWidget {
 public:
  explicit TPanel(QWidget* parent);
  void SetColor(const QColor& color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor color_;
};

// The two shades of a bevel.
inline const QColor kBevelShadow(160, 160, 160);
inline const QColor kBevelHighlight(255, 255, 255);

}  // namespace gapwise::qt
