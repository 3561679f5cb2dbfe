// What the toolkit's contract test needs of a backend besides the portable API: acting as the
// user does, and reading what the screen shows. Each backend has one probe, in test-only code.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/toolkit/control.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"

namespace gapwise::contract {

// The keys that the contract presses; Seven types the digit 7.
enum class TPress : std::uint8_t { Tab, ShiftTab, Enter, Escape, Up, Down, Left, Right, Seven };

// A message box or error box as the screen showed it.
struct TBox {
  std::string Title;
  std::string Text;
  bool ErrorIcon = false;
};

class IToolkitProbe {
 public:
  virtual ~IToolkitProbe() = default;

  // Shows the form and makes it the active window.
  virtual void Activate(TForm& form) = 0;
  virtual void Click(const TButton& button) = 0;
  virtual void ClickItem(const TRadioGroup& group, int index) = 0;
  // The key, pressed and released on the focused control as the keyboard sends it.
  virtual void PressKey(TPress key) = 0;

  virtual std::string Caption(const TControl& control) = 0;  // the text the screen shows
  virtual bool Shown(const TControl& control) = 0;           // on the screen, parents too
  virtual bool HasFocus(const TControl& control) = 0;
  virtual bool ItemHasFocus(const TRadioGroup& group, int index) = 0;
  virtual bool ItemChecked(const TRadioGroup& group, int index) = 0;
  // The last text that the form gave a screen reader to speak.
  virtual std::string Announced(const TForm& form) = 0;

  // Handles events (timer ticks among them) until done() holds; false when the time is up.
  virtual bool PumpUntil(const std::function<bool()>& done) = 0;
  // Runs the action; every message or error box that it opens is read, then closed with Enter
  // once closeWhen() holds (events are handled meanwhile).
  virtual std::vector<TBox> Boxes(const std::function<void()>& action,
                                  const std::function<bool()>& closeWhen) = 0;
  std::vector<TBox> Boxes(const std::function<void()>& action) {
    return Boxes(action, [] { return true; });
  }
};

// The probe of the backend that the test program is linked with.
IToolkitProbe& Probe();

}  // namespace gapwise::contract
