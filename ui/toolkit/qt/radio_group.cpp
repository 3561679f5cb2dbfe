#include "ui/toolkit/qt/radio_group.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>
#include <algorithm>

#include "ui/toolkit/qt/panel.h"
#include "ui/toolkit/radio_group.h"

namespace gapwise::qt {
namespace {

// A radio button that a click anywhere on its row selects, not only on its circle and text.
// Its focus frame is drawn in the text's colour, so that it shows on any background. The focus
// that comes back to an unselected button when its window is active again (a message closed, a
// new list dealt meanwhile) goes on to the selected one, so that what a screen reader says is
// what Enter scores; a click or the arrow keys, which select the button they reach, keep it.
class TGroupButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

  void focusInEvent(QFocusEvent* event) override {
    QRadioButton::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (isChecked() || reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
        reason == Qt::BacktabFocusReason) {
      return;
    }
    // Once this focus change is complete, so that screen readers hear the two in their order.
    QTimer::singleShot(0, this, [this] {
      if (!hasFocus()) return;
      for (QRadioButton* other : parentWidget()->findChildren<QRadioButton*>()) {
        if (other->isChecked() && other->isVisible()) return other->setFocus(Qt::OtherFocusReason);
      }
    });
  }

  void paintEvent(QPaintEvent* /*event*/) override {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool focused = option.state & QStyle::State_HasFocus;
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_RadioButton, option);
    if (!focused) return;
    const QRect text = style()->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(text.adjusted(0, 0, -1, -1));
  }
};

}  // namespace

TRadioGroup::TRadioGroup(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TRadioGroup::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TRadioGroup::SetItems(const QStringList& items) {
  const int count = static_cast<int>(items.size());
  while (static_cast<int>(buttons_.size()) < count) buttons_.push_back(MakeButton());
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    QRadioButton* button = buttons_[static_cast<std::size_t>(i)];
    button->setText(i < count ? items[i] : QString());
    button->setVisible(i < count);
  }
  count_ = count;
  Arrange();
}

void TRadioGroup::SetItemIndex(int index) {
  index_ = index;
  const bool focused = isAncestorOf(QApplication::focusWidget());
  // Only the selected button is a tab stop; the arrow keys reach the others.
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    QRadioButton* button = buttons_[static_cast<std::size_t>(i)];
    button->setChecked(i == index_);
    button->setFocusPolicy(i == index_ ? Qt::StrongFocus : Qt::ClickFocus);
  }
  // The keyboard focus, when it is in the list, stays on the selected button.
  if (focused && index_ >= 0) Button(index_)->setFocus(Qt::OtherFocusReason);
}

QRadioButton* TRadioGroup::Button(int index) const {
  if (index < 0 || index >= count_) return nullptr;
  return buttons_[static_cast<std::size_t>(index)];
}

QRadioButton* TRadioGroup::MakeButton() {
  auto* button = new TGroupButton(this);
  button->setAutoExclusive(false);
  button->setFocusPolicy(Qt::ClickFocus);
  const int index = static_cast<int>(buttons_.size());
  connect(button, &QRadioButton::clicked, this, [this, index] {
    if (OnClick) OnClick(index);
  });
  return button;
}

void TRadioGroup::Arrange() {
  const std::vector<TRect> rows = ChoiceRows(width(), height(), fontMetrics().height(), count_);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    buttons_[i]->setGeometry(rows[i].Left, rows[i].Top, rows[i].Width, rows[i].Height);
  }
}

// A frame from the middle of the caption's height down, etched, with the caption over it.
void TRadioGroup::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QColor background = palette().color(QPalette::Window);
  painter.fillRect(rect(), background);
  const int textHeight = fontMetrics().height();
  const QRect frame(0, textHeight / 2 - 1, width(), height() - (textHeight / 2 - 1));
  painter.setPen(kBevelHighlight);
  painter.drawRect(frame.adjusted(1, 1, -1, -1));
  painter.setPen(kBevelShadow);
  painter.drawRect(frame.adjusted(0, 0, -2, -2));
  if (caption_.isEmpty()) return;
  const QRect text(8, 0, fontMetrics().horizontalAdvance(caption_), textHeight);
  painter.fillRect(text, background);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, caption_);
}

}  // namespace gapwise::qt
