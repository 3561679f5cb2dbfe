// Text to integer as the game reads numbers typed or stored as text.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace gapwise {

// Raised when a text is not an integer; what() is "'<text>' is not a valid integer value".
class EConvertError : public std::runtime_error {
 public:
  explicit EConvertError(const std::string& text);
};

// Leading blanks, an optional sign, then decimal digits, or hexadecimal ones after "$", "x"
// or "0x"; nothing after them. The value must fit a signed 32-bit integer.
std::int32_t StrToInt(const std::string& text);

}  // namespace gapwise
