// The text controls as a screen reader sees them: the answer box, read-only text whose every
// change is announced, and the one-line edit box.
#pragma once

#include <QAccessibleWidget>
#include <QString>

namespace gapwise::qt {

class TEditBox;
class TStaticText;

// A control's text through the text interface, with its value; the whole text is one run of
// attributes, so that a reader that splits the text by its runs keeps every character.
class TAccessibleText : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  TAccessibleText(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text t) const override;

  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int) const override { return QRect(); }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 protected:
  virtual QString Content() const = 0;
};

// Read-only text holding the box's caption; the caret stands after the last character.
class TAccessibleStaticText : public TAccessibleText {
 public:
  explicit TAccessibleStaticText(TStaticText* box);

  QAccessible::State state() const override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return characterCount(); }
  void setCursorPosition(int) override {}
  int offsetAtPoint(const QPoint&) const override { return -1; }

 protected:
  QString Content() const override;
};

// The edit box: its text, caret and selection. Text is changed by keys only, through the box's
// key handler and length limit.
class TAccessibleEdit : public TAccessibleText {
 public:
  explicit TAccessibleEdit(TEditBox* box);

  QAccessible::State state() const override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  int offsetAtPoint(const QPoint& point) const override;

 protected:
  QString Content() const override;

 private:
  TEditBox* Box() const;
};

// Raises the text event that turns `before` into `after`: an insertion when text was added at
// the end, a removal when it was taken from the end, an update otherwise; none when equal.
void NotifyTextChange(QObject* box, const QString& before, const QString& after);

}  // namespace gapwise::qt
