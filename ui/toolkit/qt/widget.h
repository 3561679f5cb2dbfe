// For tests and tools on the Qt backend: the Qt objects behind the program's controls.
#pragma once

#include <QWidget>

#include "ui/toolkit/control.h"
#include "ui/toolkit/timer.h"

namespace gapwise::qt {

// The widget that shows a control (a form's window, a group's frame).
QWidget* WidgetOf(const IControlDriver& driver);
inline QWidget* QtWidget(const TControl& control) {
  return WidgetOf(control.Driver());
}
template <class T>
T* QtWidgetAs(const TControl& control) {
  return dynamic_cast<T*>(QtWidget(control));
}

// The object whose system timer ticks the timer.
QObject* QtTimer(const TTimer& timer);

}  // namespace gapwise::qt
