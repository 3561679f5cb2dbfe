#include "ui/toolkit/qt/form_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/toolkit/form.h"

namespace gapwise::qt {
namespace {

struct TKeyCode {
  int qt;
  TKey key;
};

constexpr TKeyCode kKeyCodes[] = {
    {Qt::Key_Backspace, TKey::Backspace},
    {Qt::Key_Tab, TKey::Tab},
    {Qt::Key_Return, TKey::Enter},
    {Qt::Key_Enter, TKey::Enter},
    {Qt::Key_Shift, TKey::Shift},
    {Qt::Key_Control, TKey::Control},
    {Qt::Key_Alt, TKey::Alt},
    {Qt::Key_Pause, TKey::Pause},
    {Qt::Key_CapsLock, TKey::CapsLock},
    {Qt::Key_Escape, TKey::Escape},
    {Qt::Key_Space, TKey::Space},
    {Qt::Key_PageUp, TKey::PageUp},
    {Qt::Key_PageDown, TKey::PageDown},
    {Qt::Key_End, TKey::End},
    {Qt::Key_Home, TKey::Home},
    {Qt::Key_Left, TKey::Left},
    {Qt::Key_Up, TKey::Up},
    {Qt::Key_Right, TKey::Right},
    {Qt::Key_Down, TKey::Down},
    {Qt::Key_Insert, TKey::Insert},
    {Qt::Key_Delete, TKey::Delete},
};

}  // namespace

TKey KeyOf(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return DigitKey(qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return LetterKey(static_cast<char>(qtKey));
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return FunctionKey(1 + qtKey - Qt::Key_F1);
  for (const TKeyCode& code : kKeyCodes) {
    if (code.qt == qtKey) return code.key;
  }
  return TKey::None;
}

char TypedChar(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Backspace) return 8;
  if (event.key() == Qt::Key_Escape) return 27;
  const QString text = event.text();
  if (text.size() != 1 || text[0].unicode() > 0xFF) return 0;
  return static_cast<char>(text[0].unicode());
}

TFormKeys::TFormKeys(TForm& form, QWidget* window) : QObject(window), form_(form), window_(window) {
  qApp->installEventFilter(this);
}

TFormKeys::~TFormKeys() {
  qApp->removeEventFilter(this);
}

bool TFormKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  auto* target = static_cast<QWidget*>(watched);
  if (target->window() != window_ || !IsFirstDelivery(target)) return false;
  return Handle(*static_cast<QKeyEvent*>(event));
}

// A key that its receiver ignored travels on to the parents; the form hears of it only once.
bool TFormKeys::IsFirstDelivery(const QWidget* target) const {
  const QWidget* focus = window_->focusWidget();
  return focus != nullptr ? target == focus : target == window_;
}

// Shift+Tab comes as Backtab.
bool TFormKeys::Handle(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  const TShift shift{(modifiers & Qt::ShiftModifier) != 0, (modifiers & Qt::ControlModifier) != 0,
                     (modifiers & Qt::AltModifier) != 0};
  const TKey key = event.key() == Qt::Key_Backtab ? TKey::Tab : KeyOf(event.key());
  if (form_.KeyDown(key, shift)) return true;
  const char c = TypedChar(event);
  if (c != 0) form_.KeyPress(c);
  return false;
}

}  // namespace gapwise::qt
