// The answer box as a screen reader sees it: read-only text whose every change is announced.
#pragma once

#include <QAccessibleWidget>
#include <QString>

namespace gapwise::qt {

class TStaticText;

// Read-only text holding the box's caption; the caret stands after the last character.
class TAccessibleStaticText : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TAccessibleStaticText(TStaticText* box);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;
  QString text(QAccessible::Text t) const override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return characterCount(); }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int) const override { return QRect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  QString Caption() const;
};

// Raises the text event that turns `before` into `after`: an insertion when text was added at
// the end, a removal when it was taken from the end, an update otherwise; none when equal.
void NotifyTextChange(QObject* box, const QString& before, const QString& after);

}  // namespace gapwise::qt
