#include "ui/toolkit/win32/controls.h"

#include <algorithm>
#include <vector>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/win32/form.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/testing.h"

namespace gapwise::win32 {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr char kNotInserted = 17;

// One pixel wide strips along the edges of r: the first colour on the top and left edges, the
// second on the bottom and right ones (drawn last, so they own the two far corners).
void Ring(HDC dc, const RECT& r, int topLeft, int bottomRight) {
  const RECT top{r.left, r.top, r.right, r.top + 1};
  const RECT left{r.left, r.top, r.left + 1, r.bottom};
  const RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
  const RECT right{r.right - 1, r.top, r.right, r.bottom};
  FillRect(dc, &top, GetSysColorBrush(topLeft));
  FillRect(dc, &left, GetSysColorBrush(topLeft));
  FillRect(dc, &bottom, GetSysColorBrush(bottomRight));
  FillRect(dc, &right, GetSysColorBrush(bottomRight));
}

// The text's size in the window's font, in screen pixels.
SIZE Extent(HDC dc, const std::wstring& text) {
  SIZE size{0, 0};
  if (!text.empty()) GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

// A device context of the window with its font selected.
class TFontDc {
 public:
  explicit TFontDc(const TWindow& window) : hwnd_(window.Handle()), dc_(GetDC(hwnd_)) {
    before_ = SelectObject(dc_, window.FontHandle());
  }
  ~TFontDc() {
    SelectObject(dc_, before_);
    ReleaseDC(hwnd_, dc_);
  }
  TFontDc(const TFontDc&) = delete;
  TFontDc& operator=(const TFontDc&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
  HGDIOBJ before_;
};

void PrepareText(HDC dc, const TWindow& window) {
  SelectObject(dc, window.FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorOf(window.WindowFont().Color));
}

// A filled rectangle with a one-pixel lowered outer bevel, holding other controls; read by a
// screen reader as one text once the program gives it a reading.
class TPanelWindow : public TDriver<IPanelDriver> {
 public:
  explicit TPanelWindow(TWindow& parent) : TDriver(TKind::Panel, &parent) {
    CreateOwn(kControlClass, kChild | WS_CLIPCHILDREN, 0, parent.Handle());
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
    RECT client;
    GetClientRect(Handle(), &client);
    Ring(dc, client, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
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

// Text at the top of its box, placed by the alignment; transparent unless it has a colour.
class TLabelWindow : public TDriver<ILabelDriver> {
 public:
  explicit TLabelWindow(TWindow& parent) : TDriver(TKind::Label, &parent) {
    CreateOwn(kControlClass, kChild, 0, parent.Handle());
  }

  void SetText(const std::string& text) override {
    ApplyText(text);
    if (title_.empty()) NotifyReader(EVENT_OBJECT_NAMECHANGE);
  }
  void SetAlignment(TAlignment alignment) override {
    alignment_ = alignment;
    Invalidate();
  }
  int TextWidth(const std::string& text) const override {
    const TFontDc dc(*this);
    return Unscale(Extent(dc.Dc(), Wide(text)).cx);
  }
  void SetAccessibleTitle(const std::string& title) override { title_ = Wide(title); }

  std::wstring ReadName() const override {
    return title_.empty() ? TWindow::ReadName() : title_ + L": " + WindowText();
  }
  TRole ReadRole() const override { return TRole::StaticText; }

 protected:
  void Paint(HDC dc, const RECT& client) override {
    PaintBackground(dc, client);
    const std::wstring text = WindowText();
    if (text.empty()) return;
    PrepareText(dc, *this);
    UINT format = DT_NOPREFIX | DT_SINGLELINE | DT_TOP | DT_LEFT;
    if (alignment_ == taRightJustify) format = (format & ~DT_LEFT) | DT_RIGHT;
    if (alignment_ == taCenter) format = (format & ~DT_LEFT) | DT_CENTER;
    RECT box = client;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
  }

 private:
  TAlignment alignment_ = taLeftJustify;
  std::wstring title_;
};

// Each character centred in a column of its own; blanks stay empty.
class TColumnLabelWindow : public TDriver<IColumnLabelDriver> {
 public:
  explicit TColumnLabelWindow(TWindow& parent) : TDriver(TKind::ColumnLabel, &parent) {
    CreateOwn(kControlClass, kChild, 0, parent.Handle());
  }

  void SetColumns(const std::string& text, const std::vector<int>& lefts, int width) override {
    lefts_ = lefts;
    width_ = width;
    ApplyText(text);
  }
  TRole ReadRole() const override { return TRole::StaticText; }

 protected:
  void Paint(HDC dc, const RECT& client) override {
    PaintBackground(dc, client);
    const std::wstring text = WindowText();
    PrepareText(dc, *this);
    const std::size_t count = std::min(text.size(), lefts_.size());
    for (std::size_t i = 0; i < count; ++i) {
      const wchar_t c = text[i];
      if (c == L' ') continue;
      const int inset = (Scale(width_) - Extent(dc, std::wstring(1, c)).cx) / 2;
      TextOutW(dc, Scale(lefts_[i]) + inset, 0, &c, 1);
    }
  }

 private:
  std::vector<int> lefts_;
  int width_ = 0;
};

class TButtonWindow : public TDriver<IButtonDriver> {
 public:
  TButtonWindow(TButton& button, TWindow& parent)
      : TDriver(TKind::Button, &parent), button_(button) {
    CreateSystem(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0);
  }

  void SetDefault(bool isDefault) override {
    SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
  void Command(WORD code) override {
    if (code == BN_CLICKED) button_.Click();
  }
  // Pressed by Enter: the click, without the focus moving.
  bool Press() override {
    if (!Shown() || !IsWindowEnabled(Handle())) return false;
    button_.Click();
    return true;
  }

 private:
  TButton& button_;
};

// A caption longer than its box would be cut off: the box then reaches as far right as its
// caption needs, within its parent.
class TCheckBoxWindow : public TDriver<ICheckBoxDriver> {
 public:
  explicit TCheckBoxWindow(TWindow& parent) : TDriver(TKind::CheckBox, &parent) {
    CreateSystem(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0);
  }

  void SetBounds(const TRect& r) override {
    const TFontDc dc(*this);
    const int box = GetSystemMetrics(SM_CXMENUCHECK);
    const int needed = Unscale(box + Extent(dc.Dc(), WindowText()).cx + 6);
    const int room = ParentWindow()->Bounds().Width - r.Left;
    ApplyBounds({r.Left, r.Top, std::max(r.Width, std::min(needed, room)), r.Height});
  }
  bool Checked() const override { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetChecked(bool checked) override {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
};

// The system's edit box: each typed character (WM_CHAR) passes the control's key handler first,
// which may replace it; one replaced by code 17 (or 0) is not inserted. EM_LIMITTEXT limits what
// the user types or pastes, never the text that the program sets.
class TEditWindow : public TDriver<IEditDriver> {
 public:
  TEditWindow(TEdit& edit, TWindow& parent) : TDriver(TKind::Edit, &parent), edit_(edit) {
    CreateSystem(L"EDIT", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
  }

  std::string Text() const override { return Utf8(WindowText()); }
  void SetMaxLength(int length) override {
    SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(std::max(length, 0)), 0);
  }
  HBRUSH ControlColors(HDC /*dc*/) override { return nullptr; }  // the system's white box

 protected:
  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CHAR) {
      const char typed = wParam <= 0xFF ? static_cast<char>(wParam) : char{127};
      const char kept = edit_.KeyPress(typed);
      if (kept == kNotInserted || kept == '\0') return 0;
      if (kept != typed) wParam = static_cast<unsigned char>(kept);
    }
    return TWindow::Message(message, wParam, lParam);
  }

 private:
  TEdit& edit_;
};

class TRadioGroupWindow;

// One item of the choice list: the system's radio button, checked only by the list.
class TRadioButtonWindow : public TWindow {
 public:
  TRadioButtonWindow(TRadioGroupWindow& group, int index);

  bool Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetChecked(bool checked) {
    if (checked != Checked()) {
      SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
  }
  void Place(const TRect& bounds) { ApplyBounds(bounds); }
  void SetLabel(const std::string& text) {
    if (Utf8(WindowText()) != text) ApplyText(text);
  }
  void SetShown(bool shown) {
    const bool visible = (GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != visible) ApplyVisible(shown);
  }
  void SetButtonFont(const TFont& font) { ApplyFont(font); }

  TWindow* TabEntry() override { return ParentWindow()->TabEntry(); }
  bool Press() override;
  void Command(WORD code) override;

 protected:
  // The system clicks a radio button that gets the focus unchecked; here only a click, Space or
  // the list selects.
  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_SETFOCUS) return TWindow::Message(message, wParam, lParam);
    focusing_ = true;
    const LRESULT result = TWindow::Message(message, wParam, lParam);
    focusing_ = false;
    return result;
  }

 private:
  TRadioGroupWindow& group_;
  int index_;
  bool focusing_ = false;
};

// A captioned, etched frame with one column of radio buttons; ItemIndex -1 selects none.
class TRadioGroupWindow : public TDriver<IRadioGroupDriver> {
 public:
  TRadioGroupWindow(TRadioGroup& group, TWindow& parent)
      : TDriver(TKind::RadioGroup, &parent), group_(group) {
    CreateOwn(kControlClass, kChild | WS_CLIPCHILDREN, 0, parent.Handle());
  }

  void SetText(const std::string& caption) override {
    ApplyText(caption);
    if (AccessibleName().empty()) NotifyReader(EVENT_OBJECT_NAMECHANGE);
  }
  void SetFont(const TFont& font) override {
    ApplyFont(font);
    for (auto& button : buttons_) button->SetButtonFont(font);
    Arrange();
  }
  void SetBounds(const TRect& r) override {
    ApplyBounds(r);
    Arrange();
  }
  void Rescale() override {
    TWindow::Rescale();
    Arrange();
  }

  // The buttons that stay are kept, and so is the keyboard focus on them.
  void SetItems(const std::vector<std::string>& items) override {
    while (buttons_.size() < items.size()) {
      buttons_.push_back(
          std::make_unique<TRadioButtonWindow>(*this, static_cast<int>(buttons_.size())));
    }
    count_ = static_cast<int>(items.size());
    if (index_ >= count_) SetItemIndex(-1);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      buttons_[i]->SetLabel(i < items.size() ? items[i] : std::string());
      buttons_[i]->SetShown(i < items.size());
    }
    Arrange();
  }
  // The keyboard focus, when it is in the list, follows the selection.
  void SetItemIndex(int index) override {
    index_ = std::clamp(index, -1, count_ - 1);
    const bool focused = HasFocus();
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
      buttons_[static_cast<std::size_t>(i)]->SetChecked(i == index_);
    }
    if (focused && index_ >= 0) buttons_[static_cast<std::size_t>(index_)]->Focus();
  }

  bool HasFocus() const override {
    return std::any_of(buttons_.begin(), buttons_.end(),
                       [](const auto& button) { return button->TWindow::HasFocus(); });
  }
  void Focus() override {
    if (TWindow* entry = ArrowEntry(true)) entry->Focus();
  }
  TWindow* TabEntry() override {
    if (index_ < 0) return nullptr;
    TWindow* selected = buttons_[static_cast<std::size_t>(index_)].get();
    return selected->CanFocus() ? selected : nullptr;
  }
  TWindow* ArrowEntry(bool forward) override {
    if (TWindow* selected = TabEntry()) return selected;
    TWindow* entry = nullptr;
    for (int i = 0; i < count_; ++i) {
      TWindow* button = buttons_[static_cast<std::size_t>(i)].get();
      if (!button->CanFocus()) continue;
      entry = button;
      if (forward) break;
    }
    return entry;
  }

  void Clicked(int index) { group_.ItemClicked(index); }
  int ItemIndex() const { return index_; }
  HWND Item(int index) const {
    return index >= 0 && index < count_ ? buttons_[static_cast<std::size_t>(index)]->Handle()
                                        : nullptr;
  }

  // Named by its caption unless the program names it.
  std::wstring ReadName() const override {
    if (!AccessibleName().empty()) return AccessibleName();
    std::wstring caption = WindowText();
    std::wstring simplified;
    for (const wchar_t c : caption) {
      if (c == L' ' && (simplified.empty() || simplified.back() == L' ')) continue;
      simplified += c;
    }
    if (!simplified.empty() && simplified.back() == L' ') simplified.pop_back();
    return simplified;
  }
  TRole ReadRole() const override { return TRole::Grouping; }

 protected:
  // The frame from the middle of the caption's height down, with the caption over it.
  void Paint(HDC dc, const RECT& client) override {
    FillRect(dc, &client, BrushOf(EffectiveBackground()));
    PrepareText(dc, *this);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    RECT frame{0, metrics.tmHeight / 2 - 1, client.right, client.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = WindowText();
    if (caption.empty()) return;
    RECT text{Scale(8), 0, Scale(8) + Extent(dc, caption).cx, metrics.tmHeight};
    FillRect(dc, &text, BrushOf(EffectiveBackground()));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  }

 private:
  // One column under the caption; the rows share the height that the caption leaves.
  void Arrange() {
    if (count_ == 0 || Handle() == nullptr) return;
    TEXTMETRICW metrics;
    {
      const TFontDc dc(*this);
      GetTextMetricsW(dc.Dc(), &metrics);
    }
    const int textHeight = Unscale(metrics.tmHeight);
    const int space = Bounds().Height - textHeight - 5;
    const int rowHeight = space / count_;
    const int top = textHeight + 1 + (space % count_) / 2;
    for (int i = 0; i < count_; ++i) {
      buttons_[static_cast<std::size_t>(i)]->Place(
          {8, top + i * rowHeight, Bounds().Width - 10, rowHeight});
    }
  }

  TRadioGroup& group_;
  std::vector<std::unique_ptr<TRadioButtonWindow>> buttons_;  // the first count_ are the items
  int count_ = 0;
  int index_ = -1;
};

TRadioButtonWindow::TRadioButtonWindow(TRadioGroupWindow& group, int index)
    : TWindow(TKind::RadioButton, &group), group_(group), index_(index) {
  CreateSystem(L"BUTTON", WS_VISIBLE | BS_RADIOBUTTON, 0);
}

// Reached by an arrow key: selected, unless it is already.
bool TRadioButtonWindow::Press() {
  if (group_.ItemIndex() != index_) group_.Clicked(index_);
  return true;
}

void TRadioButtonWindow::Command(WORD code) {
  if (code == BN_CLICKED && !focusing_) group_.Clicked(index_);
}

// Static text that the user cannot edit: centred at the top of a white box with a soft sunken
// border, raised outside and lowered inside. A screen reader reads it as read-only text.
class TStaticTextWindow : public TDriver<IControlDriver> {
 public:
  explicit TStaticTextWindow(TWindow& parent) : TDriver(TKind::StaticText, &parent) {
    CreateOwn(kControlClass, kChild, 0, parent.Handle());
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
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  }
};

}  // namespace

std::unique_ptr<IPanelDriver> MakePanel(TWindow& parent) {
  return std::make_unique<TPanelWindow>(parent);
}

std::unique_ptr<ILabelDriver> MakeLabel(TWindow& parent) {
  return std::make_unique<TLabelWindow>(parent);
}

std::unique_ptr<IColumnLabelDriver> MakeColumnLabel(TWindow& parent) {
  return std::make_unique<TColumnLabelWindow>(parent);
}

std::unique_ptr<IButtonDriver> MakeButton(TButton& button, TWindow& parent) {
  return std::make_unique<TButtonWindow>(button, parent);
}

std::unique_ptr<ICheckBoxDriver> MakeCheckBox(TWindow& parent) {
  return std::make_unique<TCheckBoxWindow>(parent);
}

std::unique_ptr<IEditDriver> MakeEdit(TEdit& edit, TWindow& parent) {
  return std::make_unique<TEditWindow>(edit, parent);
}

std::unique_ptr<IRadioGroupDriver> MakeRadioGroup(TRadioGroup& group, TWindow& parent) {
  return std::make_unique<TRadioGroupWindow>(group, parent);
}

std::unique_ptr<IControlDriver> MakeStaticText(TWindow& parent) {
  return std::make_unique<TStaticTextWindow>(parent);
}

void* NativeItem(const TRadioGroup& group, int index) {
  const auto* window = dynamic_cast<const TRadioGroupWindow*>(WindowOf(group.Driver()));
  return window != nullptr ? window->Item(index) : nullptr;
}

}  // namespace gapwise::win32
