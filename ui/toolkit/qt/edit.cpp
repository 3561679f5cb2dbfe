#include "ui/toolkit/qt/edit.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <memory>

#include "ui/toolkit/controls.h"

namespace gapwise::qt {
namespace {

constexpr int kBackspace = 8;

// Keyboard clipboard commands that type no character (Shift+Insert, Shift+Delete).
bool IsClipboardKey(const QKeyEvent& key) {
  return key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut);
}

}  // namespace

int TypedCharacter(const QKeyEvent& key) {
  const bool control = key.modifiers() & Qt::ControlModifier;
  if (control && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) {
    return key.key() - Qt::Key_A + 1;
  }
  if (key.key() == Qt::Key_Backspace) return control ? 127 : kBackspace;
  if (key.key() == Qt::Key_Delete || key.text().isEmpty()) return 0;
  const char16_t c = key.text().at(0).unicode();
  return c > 0xFF ? 127 : c;
}

// Drops and pasted text are not typed, and an input method types past the key handler.
TEditBox::TEditBox(TEdit& edit, QWidget* parent) : QLineEdit(parent), edit_(edit) {
  setAcceptDrops(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  connect(this, &QLineEdit::textEdited, this, &TEditBox::Edited);
}

void TEditBox::SetProgramText(const QString& text) {
  before_ = text;
  setText(text);
}

void TEditBox::SetUserLimit(int length) {
  limit_ = length;
}

void TEditBox::keyPressEvent(QKeyEvent* event) {
  if (Drops(*event)) return event->accept();
  QLineEdit::keyPressEvent(event);
}

// A key that its handler drops goes no further, and so does a character that
// would bring the text past the limit. With a key handler, clipboard keys that type no character
// are dropped too, since the handler cannot judge what they would bring.
bool TEditBox::Drops(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return false;
  const int typed = TypedCharacter(key);
  if (typed == 0) return edit_.OnKeyPress && IsClipboardKey(key);
  const char kept = edit_.KeyPress(static_cast<char>(typed));
  if (kept == '\0') return true;
  const auto remaining = text().size() - selectedText().size();
  const bool full = limit_ > 0 && typed != kBackspace && remaining >= limit_;
  if (!full && kept != static_cast<char>(typed)) insert(QString(QChar(static_cast<uchar>(kept))));
  return full || kept != static_cast<char>(typed);
}

void TEditBox::contextMenuEvent(QContextMenuEvent* event) {
  const std::unique_ptr<QMenu> menu(createStandardContextMenu());
  if (edit_.OnKeyPress) {
    for (QAction* action : menu->actions()) action->setText(action->text().section('\t', 0, 0));
  }
  menu->exec(event->globalPos());
}

// The box selects its text when the keyboard brings the focus, but only once the focus has been
// reported: a selection reported first is read as the selection of the control being left.
void TEditBox::focusInEvent(QFocusEvent* event) {
  ShowSelection(true);
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
      reason != Qt::ShortcutFocusReason) {
    return QLineEdit::focusInEvent(event);
  }
  QFocusEvent unselected(event->type(), Qt::OtherFocusReason);
  QLineEdit::focusInEvent(&unselected);
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (hasFocus() && !hasSelectedText()) selectAll();
      },
      Qt::QueuedConnection);
}

// Leaving keeps the selection, so that nothing is reported unselected; it is only hidden.
void TEditBox::focusOutEvent(QFocusEvent* event) {
  QFocusEvent kept(event->type(), Qt::ActiveWindowFocusReason);
  QLineEdit::focusOutEvent(&kept);
  ShowSelection(false);
}

void TEditBox::ShowSelection(bool shown) {
  const QPalette& own = shown ? parentWidget()->palette() : palette();
  QPalette colours = palette();
  colours.setBrush(QPalette::Highlight, shown ? own.highlight() : own.base());
  colours.setBrush(QPalette::HighlightedText, shown ? own.highlightedText() : own.text());
  setPalette(colours);
}

// An edit that makes the text longer than the limit (a paste from the context menu) is undone;
// shortening a longer text that the program put there is not.
void TEditBox::Edited(const QString& text) {
  if (limit_ > 0 && text.size() > limit_ && text.size() > before_.size()) {
    setText(before_);
  } else {
    before_ = text;
  }
}

}  // namespace gapwise::qt
