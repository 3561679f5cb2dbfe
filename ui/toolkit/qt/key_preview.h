// Key preview and dialog keys of one window, as the main window relies on them.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

#include "ui/toolkit/keys.h"

class QKeyEvent;
class QPushButton;
class QWidget;

namespace gapwise::qt {

// The program's key for a Qt key; TKey::None for a key it has no name for.
TKey KeyOf(int qtKey);

// The character that a key press types (Backspace 8, Escape 27), or 0 when it types none.
char TypedChar(const QKeyEvent& event);

// The next (or previous) control of the same parent in tab order, wrapping, that can take the
// focus; a group of radio buttons counts as one control, entered at its selected button. Null
// when there is no other.
QWidget* SiblingInTabOrder(QWidget* current, bool forward);

// Watches every key press that goes to `window` or one of its controls. Dialog keys come first:
// Tab and Backtab move along the tab order (done by Qt); an arrow key, while a control has the
// focus, moves it to the neighbouring control of the same parent (a radio button reached so is
// selected, as a click would) and goes no further; Enter presses the focused push button, or
// the default button (if any). Every other key goes to OnKeyDown and, when it types a character, to
// OnKeyPress, and then on to the focused control.
class TKeyPreview : public QObject {
 public:
  explicit TKeyPreview(QWidget* window);
  ~TKeyPreview() override;

  void SetDefaultButton(QPushButton* button) { defaultButton_ = button; }

  std::function<void(TKey key)> OnKeyDown;
  std::function<void(char c)> OnKeyPress;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Handle(QWidget* target, QKeyEvent& event);
  bool IsFirstDelivery(const QWidget* target) const;

  QWidget* window_;
  QPushButton* defaultButton_ = nullptr;
};

}  // namespace gapwise::qt
