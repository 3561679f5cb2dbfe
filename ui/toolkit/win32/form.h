// The Win32 driver of a form: a top-level window with a fixed client area, its modal loop, the
// keys that it reports to the form, the keyboard focus, and its spoken notices.
#pragma once

#include <memory>
#include <vector>

#include "ui/toolkit/win32/native.h"

namespace gapwise::win32 {

class TAnnouncer;

class TFormWindow : public TDriver<IFormDriver> {
 public:
  TFormWindow(TForm& form, TFormWindow* owner, TFormBorder border);
  ~TFormWindow() override;

  void SetVisible(bool visible) override;
  void MoveTo(int left, int top) override;
  void SetPosition(TPosition position) override { position_ = position; }
  void ShowModal() override;
  void Close() override;
  // The form keeps these for its keys.
  void SetKeyPreview(bool /*preview*/) override {}
  void SetTabOrder(const std::vector<IControlDriver*>& /*order*/) override {}
  void Announce(const std::string& text) override;
  TAnnouncer& Announcer();  // made with the first notice

  int Dpi() const { return dpi_; }
  void Focus() override;
  bool HasFocus() const override;
  void Rescale() override;

  // Every window of the form, in the order they were made.
  void Register(TWindow* window) { windows_.push_back(window); }
  void Unregister(TWindow* window);
  // A control of the form has taken the keyboard focus.
  void NoteFocus(TWindow* window) { lastFocus_ = window; }
  // A control is about to be hidden: the focus moves on from it.
  void Leaving(TWindow* window);
  HWND Tooltip();

  // A message that an event loop has just taken: a key goes to the form first (dialog keys and
  // key preview), then, unless it used it up, the message is translated and dispatched.
  static void Deliver(MSG& message);
  // Takes and handles one message (waiting for it); false once the program should quit.
  // With exitCode, WM_QUIT ends the program's loop with its code; without, it ends a nested loop
  // and is posted again for the loops outside it.
  static bool HandleOneMessage(int* exitCode);

  // The form that Run shows: closing it ends the event loop.
  static void SetMainForm(TFormWindow* form) { main_ = form; }

 protected:
  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The client area at the bounds' size; the frame grows around it.
  void PlaceWindow() override;

 private:
  // Dialog keys and key preview: true when the message was used up and must not be translated or
  // dispatched.
  static bool PreTranslate(MSG& message);
  bool Key(const MSG& message);
  void RestoreFocus();
  void CentreOverOwner();
  void Settle();
  void Hidden();
  void DpiChanged(WPARAM wParam, LPARAM lParam);
  DWORD Style() const;
  DWORD ExStyle() const;

  TForm& form_object_;
  TFormWindow* owner_;
  TFormBorder border_;
  TPosition position_ = poDesigned;
  int dpi_ = 96;
  std::vector<TWindow*> windows_;
  TWindow* lastFocus_ = nullptr;
  bool modal_ = false;
  bool closed_ = false;
  HWND tooltip_ = nullptr;
  std::unique_ptr<TAnnouncer> announcer_;

  static TFormWindow* main_;
};

}  // namespace gapwise::win32
