// Message box, beep and error box: modal, with the application title, one OK button.
#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace gapwise::qt {

// A modal message: application title as caption, no icon, one OK (Enter and Esc press it).
// Timer ticks keep coming while it is open; returns when it was closed.
void ShowMessage(QWidget* owner, const QString& text);

// The system's default beep; returns at once.
void Beep();

// Called instead of sounding the beep, so that a test can count beeps. An empty one restores it.
void SetBeepObserver(std::function<void()> observer);

// The error box: application title, error icon. Returns when it was closed.
void ShowError(const QString& message);

// Called with every message or error box once it is open and running its own loop, so that a
// test can read it and close it. An empty observer removes it.
using MessageBoxObserver = std::function<void(QMessageBox& box)>;
void SetMessageBoxObserver(MessageBoxObserver observer);

}  // namespace gapwise::qt
