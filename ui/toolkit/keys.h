// The keys the program tells apart, in codes of its own: each backend translates its platform's
// key codes at its edge, so that no platform's numbers reach the forms or the engine.
#pragma once

#include <cstdint>

namespace gapwise {

enum class TKey : std::uint16_t {
  None = 0,  // a key the program has no name for
  Backspace,
  Tab,
  Enter,
  Escape,
  Space,
  PageUp,
  PageDown,
  End,
  Home,
  Left,
  Up,
  Right,
  Down,
  Insert,
  Delete,
  Shift,
  Control,
  Alt,
  Pause,
  CapsLock,
  Digit0 = '0',  // to Digit0 + 9: the digit keys, as their characters
  A = 'A',       // to A + 25: the letter keys, as their capitals
  F1 = 0x101,    // to F1 + 23
};

// The digit key d (0 to 9), the letter key (A to Z) and the function key Fn (1 to 24).
constexpr TKey DigitKey(int d) {
  return static_cast<TKey>('0' + d);
}
constexpr TKey LetterKey(char capital) {
  return static_cast<TKey>(capital);
}
constexpr TKey FunctionKey(int n) {
  return static_cast<TKey>(0x100 + n);
}

// The modifier keys held while a key goes down.
struct TShift {
  bool Shift = false;
  bool Control = false;
  bool Alt = false;
};

// The key of a PC keyboard code, as Windows' virtual keys and a browser's keyCode number them
// (the Win32 and the browser backends take their keys from it); None for any other code.
TKey KeyOfPcCode(int code);

}  // namespace gapwise
