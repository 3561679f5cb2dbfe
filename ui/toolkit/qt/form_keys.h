// The keys of one window, reported to its form, which decides on dialog keys and key preview.
#pragma once

#include <QObject>

#include "ui/toolkit/keys.h"

class QKeyEvent;
class QWidget;

namespace gapwise {
class TForm;
}

namespace gapwise::qt {

// The program's key for a Qt key; TKey::None for a key it has no name for.
TKey KeyOf(int qtKey);

// The character that a key press types (Backspace 8, Escape 27), or 0 when it types none.
char TypedChar(const QKeyEvent& event);

// Watches every key press that goes to `window` or one of its controls and tells the form of it
// (TForm::KeyDown) before the focused control gets it; a dialog key that the form has used goes
// no further. A character that the key types then goes to TForm::KeyPress.
class TFormKeys : public QObject {
 public:
  TFormKeys(TForm& form, QWidget* window);
  ~TFormKeys() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Handle(const QKeyEvent& event);
  bool IsFirstDelivery(const QWidget* target) const;

  TForm& form_;
  QWidget* window_;
};

}  // namespace gapwise::qt
