// Message box, beep and error box: modal, with the application title, one OK button.
#pragma once

#include <QString>

class QWidget;

namespace gapwise::qt {

// A modal message: application title as caption, no icon, one OK (Enter and Esc press it).
// Timer ticks keep coming while it is open; returns when it was closed.
void ShowMessage(QWidget* owner, const QString& text);

// The system's default beep; returns at once.
void Beep();

// The error box: application title, error icon. Returns when it was closed.
void ShowError(const QString& message);

}  // namespace gapwise::qt
