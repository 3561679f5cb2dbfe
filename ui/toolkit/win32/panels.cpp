// The boxes that the backend draws itself: the panel, which holds other controls, and the static
// text, which shows a text that the user cannot edit.
#include "ui/toolkit/win32/control_parts.h"
#include "ui/toolkit/win32/controls.h"

namespace gapwise::win32 {
namespace {

// A filled rectangle with a one-pixel lowered outer bevel, holding other controls; read by a
// screen reader as one text once the program gives it a reading.
class TPanelWindow : public TDriver<IPanelDriver> {
 public:
  explicit TPanelWindow(TWindow& parent) : TDriver(TKind::Panel, &parent) {
    CreateControl(parent, kChild | WS_CLIPCHILDREN);
  }

  void SetReading(const std::string& name, const std::string& description) override {
    const bool first = !reading_;
    reading_ = true;
    const std::wstring wideName = Wide(name);
    const std::wstring wideDescription = Wide(description);
    if (first || wideName != readName_) {
      readName_ = wideName;
      NotifyReader(EVENT_OBJECT_NAMECHANGE);
    }
    if (first || wideDescription != readDescription_) {
      readDescription_ = wideDescription;
      NotifyReader(EVENT_OBJECT_DESCRIPTIONCHANGE);
    }
  }

  void PaintBackground(HDC dc, const RECT& area) override {
    FillRect(dc, &area, BrushOf(EffectiveBackground()));
    Ring(dc, ClientRect(), COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
  }

  std::wstring ReadName() const override { return reading_ ? readName_ : TWindow::ReadName(); }
  std::wstring ReadDescription() const override {
    return reading_ ? readDescription_ : TWindow::ReadDescription();
  }
  TRole ReadRole() const override { return reading_ ? TRole::StaticText : TRole::System; }
  bool HidesChildren() const override { return reading_; }

 private:
  bool reading_ = false;
  std::wstring readName_;
  std::wstring readDescription_;
};

// Static text that the user cannot edit: centred at the top of a white box with a soft sunken
// border, raised outside and lowered inside. A screen reader reads it as read-only text.
class TStaticTextWindow : public TDriver<IControlDriver> {
 public:
  explicit TStaticTextWindow(TWindow& parent) : TDriver(TKind::StaticText, &parent) {
    CreateControl(parent, kChild);
  }

  void SetText(const std::string& text) override {
    ApplyText(text);
    NotifyReader(EVENT_OBJECT_VALUECHANGE);
  }
  std::wstring ReadValue() const override { return WindowText(); }
  TRole ReadRole() const override { return TRole::Text; }

 protected:
  void Paint(HDC dc, const RECT& client) override {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Ring(dc, client, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW);
    RECT inner = client;
    InflateRect(&inner, -1, -1);
    Ring(dc, inner, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    const std::wstring text = WindowText();
    if (text.empty()) return;
    PrepareText(dc, *this);
    RECT box = client;
    InflateRect(&box, -Scale(2), -Scale(2));
    DrawLine(dc, text, box, DT_CENTER | DT_TOP);
  }
};

}  // namespace

std::unique_ptr<IPanelDriver> MakePanel(TWindow& parent) {
  return std::make_unique<TPanelWindow>(parent);
}

std::unique_ptr<IControlDriver> MakeStaticText(TWindow& parent) {
  return std::make_unique<TStaticTextWindow>(parent);
}

}  // namespace gapwise::win32
