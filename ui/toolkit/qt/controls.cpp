#include "ui/toolkit/qt/controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/qt/column_label.h"
#include "ui/toolkit/qt/driver.h"
#include "ui/toolkit/qt/edit.h"
#include "ui/toolkit/qt/panel.h"
#include "ui/toolkit/qt/radio_group.h"
#include "ui/toolkit/qt/static_text.h"
#include "ui/toolkit/radio_group.h"

namespace gapwise::qt {
namespace {

class TPanelDriver : public TDriver<IPanelDriver, TPanel> {
 public:
  explicit TPanelDriver(QWidget* parent) : TDriver(new TPanel(parent)) {}
  void SetColor(TColor color) override { W().SetColor(QtColor(color, W())); }
  void SetReading(const std::string& name, const std::string& description) override {
    qt::SetReading(&W(), QtText(name), QtText(description));
  }
};

Qt::Alignment QtAlignment(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify:
      return Qt::AlignRight;
    case taCenter:
      return Qt::AlignHCenter;
    case taLeftJustify:
      break;
  }
  return Qt::AlignLeft;
}

// Plain text at the top of the label, without margin or indent.
class TLabelDriver : public TDriver<ILabelDriver, QLabel> {
 public:
  explicit TLabelDriver(QWidget* parent) : TDriver(new QLabel(parent)) {
    W().setAlignment(Qt::AlignLeft | Qt::AlignTop);
    W().setTextFormat(Qt::PlainText);
    W().setMargin(0);
    W().setIndent(0);
  }
  void SetText(const std::string& text) override { W().setText(QtText(text)); }
  void SetAlignment(TAlignment alignment) override {
    W().setAlignment(QtAlignment(alignment) | Qt::AlignTop);
  }
  int TextWidth(const std::string& text) const override {
    return W().fontMetrics().horizontalAdvance(QtText(text));
  }
  void SetAccessibleTitle(const std::string& title) override { PairWithTitle(&W(), QtText(title)); }
};

class TColumnLabelDriver : public TDriver<IColumnLabelDriver, TColumnLabel> {
 public:
  explicit TColumnLabelDriver(QWidget* parent) : TDriver(new TColumnLabel(parent)) {}
  void SetFont(const TFont& font) override {
    W().setFont(QtFont(font));
    text_ = QtColor(font.Color, W());
    W().SetColors(text_, background_);
  }
  void SetColor(TColor color) override {
    background_ = QtColor(color, W());
    W().SetColors(text_, background_);
  }
  void SetColumns(const std::string& text, const std::vector<int>& lefts, int width) override {
    W().SetColumns(QtText(text), lefts, width);
  }

 private:
  QColor text_ = Qt::black;
  QColor background_;
};

class TButtonDriver : public TDriver<IButtonDriver, QPushButton> {
 public:
  TButtonDriver(TButton& button, QWidget* parent) : TDriver(new QPushButton(parent)) {
    W().setAutoDefault(false);
    QObject::connect(&W(), &QPushButton::clicked, &W(), [&button] { button.Click(); });
  }
  void SetText(const std::string& text) override { W().setText(QtText(text)); }
  void SetDefault(bool isDefault) override { W().setDefault(isDefault); }
};

// A caption longer than its box would be cut off: the box then reaches as far right as its
// caption needs, within its parent.
class TCheckBoxDriver : public TDriver<ICheckBoxDriver, QCheckBox> {
 public:
  explicit TCheckBoxDriver(QWidget* parent) : TDriver(new QCheckBox(parent)) {}
  void SetText(const std::string& text) override { W().setText(QtText(text)); }
  void SetBounds(const TRect& r) override {
    const QStyle* style = W().style();
    const int needed = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &W()) +
                       style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &W()) +
                       W().fontMetrics().horizontalAdvance(W().text()) + 2;
    const int room = W().parentWidget()->width() - r.Left;
    W().setGeometry(r.Left, r.Top, std::max(r.Width, std::min(needed, room)), r.Height);
  }
  bool Checked() const override { return W().isChecked(); }
  void SetChecked(bool checked) override { W().setChecked(checked); }
};

class TEditDriver : public TDriver<IEditDriver, TEditBox> {
 public:
  TEditDriver(TEdit& edit, QWidget* parent) : TDriver(new TEditBox(edit, parent)) {}
  void SetText(const std::string& text) override { W().SetProgramText(QtText(text)); }
  std::string Text() const override { return W().text().toStdString(); }
  void SetMaxLength(int length) override { W().SetUserLimit(length); }
  void SelectAll() override { W().selectAll(); }
};

class TRadioGroupDriver : public TDriver<IRadioGroupDriver, TRadioGroup> {
 public:
  TRadioGroupDriver(gapwise::TRadioGroup& group, QWidget* parent)
      : TDriver(new TRadioGroup(parent)) {
    W().OnClick = [&group](int index) { group.ItemClicked(index); };
  }
  QWidget* TabWidget() const override {
    QWidget* last = W().Button(W().Count() - 1);
    return last != nullptr ? last : Widget();
  }
  void SetText(const std::string& text) override { W().SetCaption(QtText(text)); }
  void SetColor(TColor color) override {
    QPalette palette = W().palette();
    palette.setColor(QPalette::Window, QtColor(color, W()));
    W().setPalette(palette);
  }
  void SetItems(const std::vector<std::string>& items) override {
    QStringList list;
    for (const std::string& item : items) list << QtText(item);
    W().SetItems(list);
  }
  void SetItemIndex(int index) override { W().SetItemIndex(index); }
  // On the selected button, as the arrow keys and a screen reader expect; else the first.
  void SetFocus() override {
    QWidget* button = W().Button(std::max(W().ItemIndex(), 0));
    (button != nullptr ? button : Widget())->setFocus(Qt::OtherFocusReason);
  }
  bool Focused() const override { return FocusedItem() >= 0 || W().hasFocus(); }
  // As a key moves it: the button keeps the focus though it is not (yet) selected.
  void FocusItem(int index) override {
    if (QWidget* button = W().Button(index)) button->setFocus(Qt::TabFocusReason);
  }
  int FocusedItem() const override {
    for (int i = 0; i < W().Count(); ++i) {
      if (W().Button(i)->hasFocus()) return i;
    }
    return -1;
  }
};

class TStaticTextDriver : public TDriver<IControlDriver, TStaticText> {
 public:
  explicit TStaticTextDriver(QWidget* parent) : TDriver(new TStaticText(parent)) {}
  void SetText(const std::string& text) override { W().SetCaption(QtText(text)); }
};

}  // namespace

std::unique_ptr<IPanelDriver> MakePanel(QWidget* parent) {
  return std::make_unique<TPanelDriver>(parent);
}

std::unique_ptr<ILabelDriver> MakeLabel(QWidget* parent) {
  return std::make_unique<TLabelDriver>(parent);
}

std::unique_ptr<IColumnLabelDriver> MakeColumnLabel(QWidget* parent) {
  return std::make_unique<TColumnLabelDriver>(parent);
}

std::unique_ptr<IButtonDriver> MakeButton(TButton& button, QWidget* parent) {
  return std::make_unique<TButtonDriver>(button, parent);
}

std::unique_ptr<ICheckBoxDriver> MakeCheckBox(QWidget* parent) {
  return std::make_unique<TCheckBoxDriver>(parent);
}

std::unique_ptr<IEditDriver> MakeEdit(TEdit& edit, QWidget* parent) {
  return std::make_unique<TEditDriver>(edit, parent);
}

std::unique_ptr<IRadioGroupDriver> MakeRadioGroup(gapwise::TRadioGroup& group, QWidget* parent) {
  return std::make_unique<TRadioGroupDriver>(group, parent);
}

std::unique_ptr<IControlDriver> MakeStaticText(QWidget* parent) {
  return std::make_unique<TStaticTextDriver>(parent);
}

}  // namespace gapwise::qt
