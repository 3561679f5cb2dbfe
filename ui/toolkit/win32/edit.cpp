// The system's edit box, with the program's key handler before it.
#include <algorithm>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/win32/controls.h"
#include "ui/toolkit/win32/native.h"

namespace gapwise::win32 {
namespace {

// The system's edit box: each typed character (WM_CHAR) passes the control's key handler first,
// which may replace it, or drop it (0). EM_LIMITTEXT limits what
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
  void SelectAll() override { SendMessageW(Handle(), EM_SETSEL, 0, -1); }
  HBRUSH ControlColors(HDC /*dc*/) override { return nullptr; }  // the system's white box

 protected:
  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CHAR) {
      const char typed = wParam <= 0xFF ? static_cast<char>(wParam) : char{127};
      const char kept = edit_.KeyPress(typed);
      if (kept == '\0') return 0;
      if (kept != typed) wParam = static_cast<unsigned char>(kept);
    }
    return TWindow::Message(message, wParam, lParam);
  }

 private:
  TEdit& edit_;
};

}  // namespace

std::unique_ptr<IEditDriver> MakeEdit(TEdit& edit, TWindow& parent) {
  return std::make_unique<TEditWindow>(edit, parent);
}

}  // namespace gapwise::win32
