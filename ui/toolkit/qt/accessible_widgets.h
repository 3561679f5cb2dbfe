// What a screen reader finds in the toolkit's own controls: the answer box as read-only text,
// the choice list as a named group of radio buttons, a panel read as one text, and a window
// read by its description.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace gapwise::qt {

// Makes the toolkit's controls known to the accessibility bridge; once is enough, later calls
// do nothing. Changes nothing that is drawn.
void InstallAccessibleWidgets();

// Lets a screen reader read `panel` as one static text with this name and description, its
// child controls hidden from it; a change of either is announced.
void SetReading(QWidget* panel, const QString& name, const QString& description);

// Sets the name a screen reader reads for `widget`; a change is announced, an equal name is not.
void SetAccessibleText(QWidget* widget, const QString& name);

// Sets the description a screen reader reads for `widget`. The labels of a window with a
// description are its text, read with it as it opens: they are offered as paragraphs to review,
// not as labels that a reader would read once more.
void SetAccessibleDescription(QWidget* widget, const QString& description);

// Lets a screen reader read the label `value` as "title: text", always with its present text.
// Changes of its text are no longer announced by themselves: AnnounceName does that.
void PairWithTitle(QLabel* value, const QString& title);

// Tells a screen reader that the name of `widget` has changed.
void AnnounceName(QWidget* widget);

}  // namespace gapwise::qt
