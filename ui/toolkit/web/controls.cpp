// The controls' drivers of the web backend: each shows its control as an element of the page and
// reports the user's actions on it back to the control.
#include <vector>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/web/driver.h"

namespace gapwise::web {
namespace {

class TPanelDriver : public TDriver<IPanelDriver> {
 public:
  explicit TPanelDriver(int parent) : TDriver(kPanel, parent) {}
  void SetReading(const std::string& name, const std::string& description) override {
    gw_set_attr(Id(), "role", "img");
    SetAccessibleName(name);
    SetAccessibleDescription(description);
  }
};

const char* CssAlignment(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify:
      return "right";
    case taCenter:
      return "center";
    case taLeftJustify:
      break;
  }
  return "left";
}

class TLabelDriver : public TDriver<ILabelDriver> {
 public:
  explicit TLabelDriver(int parent) : TDriver(kLabel, parent) {}
  void SetFont(const TFont& font) override {
    TDriver::SetFont(font);
    font_ = CssFont(font);
  }
  void SetAlignment(TAlignment alignment) override {
    gw_set_style(Id(), "text-align", CssAlignment(alignment));
  }
  int TextWidth(const std::string& text) const override {
    return gw_text_width(font_.c_str(), text.c_str());
  }
  void SetAccessibleTitle(const std::string& title) override {
    gw_set_attr(Id(), "gw-title", title.c_str());
  }

 private:
  std::string font_ = CssFont(TFont{});
};

class TColumnLabelDriver : public TDriver<IColumnLabelDriver> {
 public:
  explicit TColumnLabelDriver(int parent) : TDriver(kColumnLabel, parent) {}
  void SetColumns(const std::string& text, const std::vector<int>& lefts, int width) override {
    gw_set_columns(Id(), text.c_str(), lefts.data(), static_cast<int>(lefts.size()), width);
  }
};

class TButtonDriver : public TDriver<IButtonDriver>, public IEventSink {
 public:
  TButtonDriver(TButton& button, int parent) : TDriver(kButton, parent), button_(button) {
    Loop().Listen(Id(), this);
  }
  ~TButtonDriver() override { Loop().Forget(Id()); }
  void SetDefault(bool isDefault) override {
    gw_set_attr(Id(), "data-default", isDefault ? "true" : "");
  }
  void Handle(const TEvent& event) override {
    if (event.Type == TEvent::kClick) button_.Click();
  }

 private:
  TButton& button_;
};

class TCheckBoxDriver : public TDriver<ICheckBoxDriver> {
 public:
  explicit TCheckBoxDriver(int parent) : TDriver(kCheckBox, parent) {}
  bool Checked() const override { return gw_checked(Id()) != 0; }
  void SetChecked(bool checked) override { gw_set_checked(Id(), checked ? 1 : 0); }
};

class TEditDriver : public TDriver<IEditDriver>, public IEventSink {
 public:
  TEditDriver(TEdit& edit, int parent) : TDriver(kEdit, parent), edit_(edit) {
    Loop().Listen(Id(), this);
  }
  ~TEditDriver() override { Loop().Forget(Id()); }
  std::string Text() const override {
    return ReadText([this](char* buffer, int size) { return gw_get_text(Id(), buffer, size); });
  }
  void SetMaxLength(int length) override {
    gw_set_attr(Id(), "maxlength", length > 0 ? std::to_string(length).c_str() : "");
  }
  void SelectAll() override { gw_select_all(Id()); }
  // A typed character goes through the control's key handler, which may replace it.
  void Handle(const TEvent& event) override {
    if (event.Type != TEvent::kEditKey) return;
    const char typed = edit_.KeyPress(static_cast<char>(event.Char));
    gw_edit_type(Id(), static_cast<unsigned char>(typed));
  }

 private:
  TEdit& edit_;
};

class TRadioGroupDriver : public TDriver<IRadioGroupDriver>, public IEventSink {
 public:
  TRadioGroupDriver(TRadioGroup& group, int parent) : TDriver(kRadioGroup, parent), group_(group) {
    Loop().Listen(Id(), this);
  }
  ~TRadioGroupDriver() override { Loop().Forget(Id()); }
  void SetItems(const std::vector<std::string>& items) override {
    std::string joined;
    for (const std::string& item : items) joined += (joined.empty() ? "" : "\n") + item;
    gw_set_items(Id(), joined.c_str(), group_.ItemIndex());
    Arrange();
  }
  void SetBounds(const TRect& r) override {
    TDriver::SetBounds(r);
    Arrange();
  }
  void SetFont(const TFont& font) override {
    TDriver::SetFont(font);
    Arrange();
  }
  void SetItemIndex(int index) override { gw_set_item_index(Id(), index); }
  void FocusItem(int index) override { gw_focus_item(Id(), index); }
  int FocusedItem() const override { return gw_focused_item(Id()); }
  void Handle(const TEvent& event) override {
    if (event.Type == TEvent::kRadio) group_.ItemClicked(event.Arg);
  }

 private:
  // The rows of the buttons, as every backend stands them.
  void Arrange() {
    const int captionHeight = gw_text_height(CssFont(group_.Font()).c_str());
    std::vector<int> rects;
    for (const TRect& row :
         ChoiceRows(group_.Width(), group_.Height(), captionHeight, group_.Count())) {
      rects.insert(rects.end(), {row.Left, row.Top, row.Width, row.Height});
    }
    gw_set_rows(Id(), rects.data(), group_.Count());
  }

  TRadioGroup& group_;
};

class TStaticTextDriver : public TDriver<IControlDriver> {
 public:
  explicit TStaticTextDriver(int parent) : TDriver(kStaticText, parent) {}
};

}  // namespace

std::unique_ptr<IPanelDriver> MakePanel(int parent) {
  return std::make_unique<TPanelDriver>(parent);
}
std::unique_ptr<ILabelDriver> MakeLabel(int parent) {
  return std::make_unique<TLabelDriver>(parent);
}
std::unique_ptr<IColumnLabelDriver> MakeColumnLabel(int parent) {
  return std::make_unique<TColumnLabelDriver>(parent);
}
std::unique_ptr<IButtonDriver> MakeButton(TButton& button, int parent) {
  return std::make_unique<TButtonDriver>(button, parent);
}
std::unique_ptr<ICheckBoxDriver> MakeCheckBox(int parent) {
  return std::make_unique<TCheckBoxDriver>(parent);
}
std::unique_ptr<IEditDriver> MakeEdit(TEdit& edit, int parent) {
  return std::make_unique<TEditDriver>(edit, parent);
}
std::unique_ptr<IRadioGroupDriver> MakeRadioGroup(TRadioGroup& group, int parent) {
  return std::make_unique<TRadioGroupDriver>(group, parent);
}
std::unique_ptr<IControlDriver> MakeStaticText(int parent) {
  return std::make_unique<TStaticTextDriver>(parent);
}

}  // namespace gapwise::web
