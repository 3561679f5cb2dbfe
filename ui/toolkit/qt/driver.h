// The Qt backend's drivers: each control shown by one widget, which the driver owns.
#pragma once

#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <string>

#include "ui/toolkit/drivers.h"
#include "ui/toolkit/qt/accessible_widgets.h"
#include "ui/toolkit/qt/fonts.h"

namespace gapwise::qt {

// What every Qt driver gives: the widget that shows its control.
class TWidgetHolder {
 public:
  virtual ~TWidgetHolder() = default;
  virtual QWidget* Widget() const = 0;
  // The widget that stands for the control in the tab order (a group: its last button).
  virtual QWidget* TabWidget() const { return Widget(); }
};

// The widget behind a control's driver; null for a driver of another backend.
QWidget* WidgetOf(const IControlDriver& driver);

// The common part of the drivers, over a widget of class TWidget.
template <class TInterface, class TWidget>
class TDriver : public TInterface, public TWidgetHolder {
 public:
  explicit TDriver(TWidget* widget) : widget_(widget) {}
  ~TDriver() override { delete widget_.data(); }

  QWidget* Widget() const override { return widget_; }

  void SetName(const std::string& name) override { widget_->setObjectName(QtText(name)); }
  void SetBounds(const TRect& r) override {
    widget_->setGeometry(r.Left, r.Top, r.Width, r.Height);
  }
  void SetVisible(bool visible) override { widget_->setVisible(visible); }
  void SetText(const std::string& /*text*/) override {}
  void SetFont(const TFont& font) override {
    widget_->setFont(QtFont(font));
    SetTextColor(*widget_, font.Color);
  }
  // A filled background in the colour.
  void SetColor(TColor color) override {
    if (color == clNone) return;
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, QtColor(color, *widget_));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
  }
  void SetHint(const std::string& hint) override { widget_->setToolTip(QtText(hint)); }
  void SetFocus() override { widget_->setFocus(); }
  bool Focused() const override { return widget_->hasFocus(); }
  void SetAccessibleName(const std::string& name) override {
    SetAccessibleText(widget_, QtText(name));
  }
  void SetAccessibleDescription(const std::string& description) override {
    qt::SetAccessibleDescription(widget_, QtText(description));
  }
  void AnnounceName() override { qt::AnnounceName(widget_); }

 protected:
  TWidget& W() const { return *widget_; }

 private:
  QPointer<TWidget> widget_;
};

}  // namespace gapwise::qt
