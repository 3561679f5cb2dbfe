#include "ui/toolkit/qt/accessible_text.h"

#include "ui/toolkit/qt/static_text.h"

namespace gapwise::qt {

TAccessibleStaticText::TAccessibleStaticText(TStaticText* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

void* TAccessibleStaticText::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TAccessibleStaticText::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.readOnly = true;
  return s;
}

QString TAccessibleStaticText::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) return Caption();
  return QAccessibleWidget::text(t);
}

void TAccessibleStaticText::selection(int, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
}

QString TAccessibleStaticText::text(int startOffset, int endOffset) const {
  return Caption().mid(startOffset, endOffset - startOffset);
}

int TAccessibleStaticText::characterCount() const {
  return static_cast<int>(Caption().size());
}

QString TAccessibleStaticText::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = offset;
  return QString();
}

QString TAccessibleStaticText::Caption() const {
  return static_cast<const TStaticText*>(widget())->Caption();
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
