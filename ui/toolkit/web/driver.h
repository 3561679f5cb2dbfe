// The common part of every control's driver in the web backend: one DOM element, numbered.
#pragma once

#include <memory>
#include <string>

#include "ui/toolkit/drivers.h"
#include "ui/toolkit/web/dom.h"
#include "ui/toolkit/web/loop.h"

namespace gapwise::web {

// The element's number, for the factories' parent argument.
class TElementHolder {
 public:
  virtual ~TElementHolder() = default;
  virtual int Element() const = 0;
};

int ElementOf(const IControlDriver& driver);

template <class TInterface>
class TDriver : public TInterface, public TElementHolder {
 public:
  TDriver(TKind kind, int parent) : id_(gw_create(kind, parent)) {}
  ~TDriver() override { gw_destroy(id_); }
  TDriver(const TDriver&) = delete;
  TDriver& operator=(const TDriver&) = delete;

  int Element() const override { return id_; }
  void SetName(const std::string& name) override { gw_set_attr(id_, "data-name", name.c_str()); }
  void SetBounds(const TRect& r) override { gw_set_bounds(id_, r.Left, r.Top, r.Width, r.Height); }
  void SetVisible(bool visible) override { gw_set_visible(id_, visible ? 1 : 0); }
  void SetText(const std::string& text) override { gw_set_text(id_, text.c_str()); }
  void SetFont(const TFont& font) override {
    gw_set_style(id_, "font", CssFont(font).c_str());
    gw_set_style(id_, "color", CssColor(font.Color, true).c_str());
  }
  void SetColor(TColor color) override {
    gw_set_style(id_, "background-color", CssColor(color, false).c_str());
  }
  void SetHint(const std::string& hint) override { gw_set_attr(id_, "title", hint.c_str()); }
  void SetFocus() override { gw_focus(id_); }
  bool Focused() const override { return gw_focused(id_) != 0; }
  void SetAccessibleName(const std::string& name) override {
    gw_set_attr(id_, "aria-label", name.c_str());
  }
  void SetAccessibleDescription(const std::string& description) override {
    gw_set_attr(id_, "aria-description", description.c_str());
  }
  // The page's live region speaks only what a form announces.
  void AnnounceName() override {}

 protected:
  int Id() const { return id_; }

 private:
  int id_;
};

// The factories of the controls' drivers.
std::unique_ptr<IPanelDriver> MakePanel(int parent);
std::unique_ptr<ILabelDriver> MakeLabel(int parent);
std::unique_ptr<IColumnLabelDriver> MakeColumnLabel(int parent);
std::unique_ptr<IButtonDriver> MakeButton(TButton& button, int parent);
std::unique_ptr<ICheckBoxDriver> MakeCheckBox(int parent);
std::unique_ptr<IEditDriver> MakeEdit(TEdit& edit, int parent);
std::unique_ptr<IRadioGroupDriver> MakeRadioGroup(TRadioGroup& group, int parent);
std::unique_ptr<IControlDriver> MakeStaticText(int parent);
std::unique_ptr<IFormDriver> MakeForm(TForm& form, IFormDriver* owner);

}  // namespace gapwise::web
