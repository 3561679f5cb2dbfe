#include "ui/toolkit/qt/announcer.h"

#include <QAccessible>

namespace gapwise::qt {

TAnnouncer::TAnnouncer(QWidget* window) : QWidget(window) {
  setGeometry(0, 0, 0, 0);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

// A notification that shows itself is spoken; the control never really hides, so nothing is
// repainted, and only its accessible showing state is raised.
void TAnnouncer::Announce(const QString& text) {
  text_ = text;
  QAccessibleEvent name(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace gapwise::qt
