#include "ui/toolkit/keys.h"

#include <utility>

namespace gapwise {
namespace {

constexpr std::pair<int, TKey> kPcCodes[] = {
    {8, TKey::Backspace}, {9, TKey::Tab},    {13, TKey::Enter},  {16, TKey::Shift},
    {17, TKey::Control},  {18, TKey::Alt},   {19, TKey::Pause},  {20, TKey::CapsLock},
    {27, TKey::Escape},   {32, TKey::Space}, {33, TKey::PageUp}, {34, TKey::PageDown},
    {35, TKey::End},      {36, TKey::Home},  {37, TKey::Left},   {38, TKey::Up},
    {39, TKey::Right},    {40, TKey::Down},  {45, TKey::Insert}, {46, TKey::Delete},
};

}  // namespace

TKey KeyOfPcCode(int code) {
  if (code >= '0' && code <= '9') return DigitKey(code - '0');
  if (code >= 'A' && code <= 'Z') return LetterKey(static_cast<char>(code));
  if (code >= 112 && code <= 135) return FunctionKey(code - 111);
  for (const auto& [pc, key] : kPcCodes) {
    if (pc == code) return key;
  }
  return TKey::None;
}

}  // namespace gapwise
