// A spoken notice for screen readers: an empty, zero-size control that announces a text.
#pragma once

#include <QString>
#include <QWidget>

namespace gapwise::qt {

// Draws nothing and takes no input; a screen reader sees a notification whose name is the last
// announced text, and speaks it when Announce raises it again.
class TAnnouncer : public QWidget {
 public:
  explicit TAnnouncer(QWidget* window);

  QString Text() const { return text_; }
  void Announce(const QString& text);

 private:
  QString text_;
};

}  // namespace gapwise::qt
