// Controls: a place on their parent, visibility, font, colour, focus and what a screen reader
// reads; a windowed control holds others and owns them; a panel is a filled, bevelled one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/toolkit/drivers.h"
#include "ui/toolkit/types.h"

namespace gapwise {

class TWinControl;

class TControl {
 public:
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  TWinControl* Parent() const { return parent_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  const TRect& BoundsRect() const { return bounds_; }
  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width; }
  int Height() const { return bounds_.Height; }
  void SetBounds(const TRect& bounds);
  void SetLeft(int left) { SetBounds({left, bounds_.Top, bounds_.Width, bounds_.Height}); }

  // The control's own flag; it is seen only while its parents are shown too.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  const TFont& Font() const { return font_; }  // the parent's until one is set
  virtual void SetFont(const TFont& font);
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  void SetHint(const std::string& hint) { driver_->SetHint(hint); }
  void SetFocus() { driver_->SetFocus(); }
  bool Focused() const { return driver_->Focused(); }
  // Whether the control takes the keyboard focus (and so is a tab stop) while it is shown.
  virtual bool TakesFocus() const { return false; }
  // Shown on its form: its own flag and its parents' below the form.
  bool Showing() const;
  // Made before `other`, on whichever parent.
  bool MadeBefore(const TControl& other) const { return made_ < other.made_; }

  const std::string& AccessibleName() const { return accessibleName_; }
  void SetAccessibleName(const std::string& name);
  void SetAccessibleDescription(const std::string& description);
  void AnnounceName() { driver_->AnnounceName(); }

  IControlDriver& Driver() const { return *driver_; }

 protected:
  explicit TControl(TWinControl* parent);
  // Takes the driver that the backend made for this control.
  void Attach(std::unique_ptr<IControlDriver> driver);
  // Notes a change of visibility that the backend has made (a form closed by its title bar).
  void RecordVisible(bool visible) { visible_ = visible; }

  std::string caption_;

 private:
  TWinControl* parent_;
  std::unique_ptr<IControlDriver> driver_;
  std::string name_;
  TRect bounds_;
  bool visible_ = true;
  TFont font_;
  TColor color_ = clNone;
  std::string accessibleName_;
  std::string accessibleDescription_;
  std::uint64_t made_;
};

// A control that holds others; it owns them and frees them before itself.
class TWinControl : public TControl {
 public:
  ~TWinControl() override;

  // Makes a control with this one as its parent; later ones lie in front of earlier ones.
  template <class T, class... TArgs>
  T* Make(TArgs&&... args) {
    auto control = std::make_unique<T>(*this, std::forward<TArgs>(args)...);
    T* made = control.get();
    children_.push_back(std::move(control));
    return made;
  }
  // The controls it holds, in the order they were made.
  const std::vector<std::unique_ptr<TControl>>& Children() const { return children_; }

 protected:
  using TControl::TControl;

 private:
  std::vector<std::unique_ptr<TControl>> children_;
};

// A filled rectangle with a one-pixel lowered outer bevel, holding other controls.
class TPanel : public TWinControl {
 public:
  TPanel(TWinControl& parent, const TRect& bounds, TColor color);

  // A screen reader reads the panel as one text: this name and description, its controls hidden.
  void SetReading(const std::string& name, const std::string& description);

 private:
  IPanelDriver* panel_;
};

}  // namespace gapwise
