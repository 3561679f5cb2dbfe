// The choice list: a captioned group of radio buttons in one column, ItemIndex -1 for none.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QRadioButton;

namespace gapwise::qt {

class TRadioGroup : public QWidget {
 public:
  explicit TRadioGroup(QWidget* parent);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  int Count() const { return count_; }
  // Replaces all items, keeping the buttons that stay (and so the keyboard focus on them).
  void SetItems(const QStringList& items);

  int ItemIndex() const { return index_; }
  // Clamped to -1 .. Count() - 1; selects that button, none for -1.
  void SetItemIndex(int index);

  QRadioButton* Button(int index) const;  // null when there is no such item

  // A click on a button (or Space on it) selects that item: the owner is told and selects it.
  std::function<void(int index)> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Arrange();
  QRadioButton* MakeButton();

  QString caption_;
  std::vector<QRadioButton*> buttons_;  // the first count_ are the items, the rest are hidden
  int count_ = 0;
  int index_ = -1;
};

}  // namespace gapwise::qt
