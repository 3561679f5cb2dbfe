// The labels that the backend draws itself: a text placed by its alignment, and a text with each
// character in a column of its own.
#include <algorithm>
#include <vector>

#include "ui/toolkit/win32/control_parts.h"
#include "ui/toolkit/win32/controls.h"

namespace gapwise::win32 {
namespace {

// Text at the top of its box, placed by the alignment; transparent unless it has a colour.
class TLabelWindow : public TDriver<ILabelDriver> {
 public:
  explicit TLabelWindow(TWindow& parent) : TDriver(TKind::Label, &parent) {
    CreateControl(parent, kChild);
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
    UINT format = DT_TOP | DT_LEFT;
    if (alignment_ == taRightJustify) format = (format & ~DT_LEFT) | DT_RIGHT;
    if (alignment_ == taCenter) format = (format & ~DT_LEFT) | DT_CENTER;
    DrawLine(dc, text, client, format);
  }

 private:
  TAlignment alignment_ = taLeftJustify;
  std::wstring title_;
};

// Each character centred in a column of its own; blanks stay empty.
class TColumnLabelWindow : public TDriver<IColumnLabelDriver> {
 public:
  explicit TColumnLabelWindow(TWindow& parent) : TDriver(TKind::ColumnLabel, &parent) {
    CreateControl(parent, kChild);
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

}  // namespace

std::unique_ptr<ILabelDriver> MakeLabel(TWindow& parent) {
  return std::make_unique<TLabelWindow>(parent);
}

std::unique_ptr<IColumnLabelDriver> MakeColumnLabel(TWindow& parent) {
  return std::make_unique<TColumnLabelWindow>(parent);
}

}  // namespace gapwise::win32
