#include "ui/toolkit/qt/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

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

bool IsArrow(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

// The arrow keys also reach controls that are no tab stop, such as unselected radio buttons.
bool CanTakeFocus(const QWidget* w) {
  return w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
}

// The child of parent that is w or holds it; null when w lies outside parent.
QWidget* ChildOf(QWidget* parent, QWidget* w) {
  while (w != nullptr && w->parentWidget() != parent) w = w->parentWidget();
  return w;
}

// A group's way in: its checked radio button when it has one, else the widget reached.
QWidget* EntryOf(QWidget* group, QWidget* reached) {
  for (QRadioButton* radio : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
    if (radio->isChecked() && CanTakeFocus(radio)) return radio;
  }
  return reached;
}

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

QWidget* SiblingInTabOrder(QWidget* current, bool forward) {
  QWidget* parent = current->parentWidget();
  QWidget* w = current;
  for (int guard = 0; guard < 10000; ++guard) {
    w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
    if (w == nullptr || w == current) return nullptr;
    if (!CanTakeFocus(w)) continue;
    QWidget* sibling = ChildOf(parent, w);
    if (sibling == nullptr || sibling == current) continue;
    return sibling == w ? w : EntryOf(sibling, w);
  }
  return nullptr;
}

TKeyPreview::TKeyPreview(QWidget* window) : QObject(window), window_(window) {
  qApp->installEventFilter(this);
}

TKeyPreview::~TKeyPreview() {
  qApp->removeEventFilter(this);
}

bool TKeyPreview::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  auto* target = static_cast<QWidget*>(watched);
  if (target->window() != window_ || !IsFirstDelivery(target)) return false;
  return Handle(target, *static_cast<QKeyEvent*>(event));
}

// A key that its receiver ignored travels on to the parents; preview it only once.
bool TKeyPreview::IsFirstDelivery(const QWidget* target) const {
  const QWidget* focus = window_->focusWidget();
  return focus != nullptr ? target == focus : target == window_;
}

bool TKeyPreview::Handle(QWidget* target, QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return false;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    auto* button = qobject_cast<QPushButton*>(target);
    if (button == nullptr) button = defaultButton_;
    if (button != nullptr && button->isVisible() && button->isEnabled()) button->click();
    return true;
  }
  if (IsArrow(key) && target != window_) {
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    if (QWidget* next = SiblingInTabOrder(target, forward)) {
      next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      auto* radio = qobject_cast<QRadioButton*>(next);
      if (radio != nullptr && !radio->isChecked()) radio->click();
    }
    return true;
  }
  if (OnKeyDown) OnKeyDown(KeyOf(key));
  const char c = TypedChar(event);
  if (c != 0 && OnKeyPress) OnKeyPress(c);
  return false;
}

}  // namespace gapwise::qt
