// A form: a top-level window with a caption, a fixed client area, key preview, a default button,
// a tab order, and modal showing over its owner.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "ui/toolkit/control.h"
#include "ui/toolkit/dialog_keys.h"
#include "ui/toolkit/keys.h"

namespace gapwise {

class TButton;

class TForm : public TWinControl {
 public:
  // A form with an owner is a dialog over it; one without is a main window.
  TForm(TForm* owner, TFormBorder border);

  TForm* Owner() const { return owner_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  void SetClientSize(int width, int height) { SetBounds({0, 0, width, height}); }
  // Where the frame opens on the screen: at a place, or centred over the owner when shown.
  void MoveTo(int left, int top);
  void SetPosition(TPosition position);

  // Shows the form and returns once it has been closed; events, timer ticks among them, are
  // handled meanwhile.
  void ShowModal();
  void Close();

  // Key preview: keys go to OnKeyDown and typed characters to OnKeyPress before the focused
  // control gets them; dialog keys (TDialogKeys: Tab, arrows between controls, Enter) do not.
  void SetKeyPreview(bool preview);
  std::function<void(TKey key)> OnKeyDown;
  std::function<void(char c)> OnKeyPress;
  // Enter presses this button when no other push button has the focus.
  void SetDefaultButton(TButton* button);
  void SetTabOrder(std::initializer_list<TControl*> order);

  // A screen reader speaks the text. Given before the form is on the screen, the last such text
  // is spoken once it is.
  void Announce(const std::string& text);

  // How long after its window shows a form counts as on the screen: a screen reader first
  // learns of the window and says its title and focus, and only then hears what is announced.
  static constexpr int kSettleMs = 1000;

  // From the driver: a key went down while the focus was in the form, true when it was a dialog
  // key and the focused control must not get it; a character typed; the focus to the first tab
  // stop (false when there is none) or on along the tab order; the form on the screen, settled
  // (kSettleMs after its window shows), so that what is announced is heard; the form closed by
  // any means.
  bool KeyDown(TKey key, TShift shift = {});
  void KeyPress(char c);
  bool FocusFirst() { return keys_.FocusFirst(); }
  void MoveTab(bool forward) { keys_.MoveTab(forward); }
  void Shown();
  void Closed();

 private:
  TForm* owner_;
  IFormDriver* form_;
  TDialogKeys keys_{*this};
  bool keyPreview_ = false;
  bool onScreen_ = false;
  std::string pending_;  // announced once the form is on the screen
};

}  // namespace gapwise
