// A form's keyboard: the focus, and the event loop that tells the form of each key first.
#include "ui/toolkit/win32/form.h"

#include "ui/toolkit/form.h"

namespace gapwise::win32 {

void TFormWindow::Focus() {
  RestoreFocus();
}

bool TFormWindow::HasFocus() const {
  const HWND focus = GetFocus();
  return focus != nullptr && (focus == Handle() || IsChild(Handle(), focus));
}

// Back to the control that had the focus (a choice list: to its selected button), else to the
// first tab stop, else to the form itself.
void TFormWindow::RestoreFocus() {
  if (TWindow* entry = lastFocus_ != nullptr ? lastFocus_->TabEntry() : nullptr) {
    entry->Focus();
  } else if (!form_object_.FocusFirst()) {
    ::SetFocus(Handle());
  }
}

bool TFormWindow::PreTranslate(MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_CHAR) return false;
  TWindow* target = TWindow::Owning(message.hwnd);
  TFormWindow* form = target != nullptr ? target->Form() : nullptr;
  if (form == nullptr) return false;
  bool used = false;
  Guarded([&] { used = form->Key(message); });
  return used;
}

bool TFormWindow::HandleOneMessage(int* exitCode) {
  MSG message;
  const BOOL got = GetMessageW(&message, nullptr, 0, 0);
  if (got == 0) {
    if (exitCode != nullptr) {
      *exitCode = static_cast<int>(message.wParam);
    } else {
      PostQuitMessage(static_cast<int>(message.wParam));
    }
    return false;
  }
  if (got == -1) return false;
  Deliver(message);
  return true;
}

void TFormWindow::Deliver(MSG& message) {
  if (PreTranslate(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

// The form decides on dialog keys and key preview: a key that it used up goes no further, and
// neither does the character it would type.
bool TFormWindow::Key(const MSG& message) {
  if (message.message == WM_CHAR) {
    if (message.wParam <= 0xFF) form_object_.KeyPress(static_cast<char>(message.wParam));
    return false;
  }
  const TShift shift{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                     GetKeyState(VK_MENU) < 0};
  return form_object_.KeyDown(KeyOfPcCode(static_cast<int>(message.wParam)), shift);
}

}  // namespace gapwise::win32
