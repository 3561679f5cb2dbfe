#include "ui/toolkit/qt/accessible_text.h"

#include "ui/toolkit/qt/edit.h"
#include "ui/toolkit/qt/static_text.h"

namespace gapwise::qt {

void* TAccessibleText::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString TAccessibleText::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) return Content();
  return QAccessibleWidget::text(t);
}

QString TAccessibleText::text(int startOffset, int endOffset) const {
  return Content().mid(startOffset, endOffset - startOffset);
}

int TAccessibleText::characterCount() const {
  return static_cast<int>(Content().size());
}

QString TAccessibleText::attributes(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = characterCount();
  return QString();
}

TAccessibleStaticText::TAccessibleStaticText(TStaticText* box)
    : TAccessibleText(box, QAccessible::EditableText) {}

QAccessible::State TAccessibleStaticText::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.readOnly = true;
  return s;
}

void TAccessibleStaticText::selection(int, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
}

QString TAccessibleStaticText::Content() const {
  return static_cast<const TStaticText*>(widget())->Caption();
}

TAccessibleEdit::TAccessibleEdit(TEditBox* box) : TAccessibleText(box, QAccessible::EditableText) {}

QAccessible::State TAccessibleEdit::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.editable = !Box()->isReadOnly();
  s.readOnly = Box()->isReadOnly();
  s.selectableText = true;
  return s;
}

void TAccessibleEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  const bool any = selectionIndex == 0 && Box()->hasSelectedText();
  *startOffset = any ? Box()->selectionStart() : 0;
  *endOffset = any ? Box()->selectionEnd() : 0;
}

int TAccessibleEdit::selectionCount() const {
  return Box()->hasSelectedText() ? 1 : 0;
}

void TAccessibleEdit::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void TAccessibleEdit::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) Box()->deselect();
}

void TAccessibleEdit::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex == 0) Box()->setSelection(startOffset, endOffset - startOffset);
}

int TAccessibleEdit::cursorPosition() const {
  return Box()->cursorPosition();
}

void TAccessibleEdit::setCursorPosition(int position) {
  Box()->setCursorPosition(position);
}

int TAccessibleEdit::offsetAtPoint(const QPoint& point) const {
  return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
}

QString TAccessibleEdit::Content() const {
  return Box()->text();
}

TEditBox* TAccessibleEdit::Box() const {
  return static_cast<TEditBox*>(widget());
}

void NotifyTextChange(QObject* box, const QString& before, const QString& after) {
  if (before == after) return;
  const auto position = static_cast<int>(before.size());
  if (after.startsWith(before)) {
    QAccessibleTextInsertEvent event(box, position, after.mid(position));
    QAccessible::updateAccessibility(&event);
  } else if (before.startsWith(after)) {
    QAccessibleTextRemoveEvent event(box, static_cast<int>(after.size()), before.mid(after.size()));
    QAccessible::updateAccessibility(&event);
  } else {
    QAccessibleTextUpdateEvent event(box, 0, before, after);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace gapwise::qt
