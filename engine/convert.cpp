#include "engine/convert.h"

#include <optional>
#include <string_view>

namespace gapwise {
namespace {

std::optional<int> DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') value = c - 'A' + 10;
  if (value < 0) return std::nullopt;
  return value;
}

// Strips a hexadecimal prefix and returns the base it announces.
int TakeBase(std::string_view& rest) {
  if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
    rest.remove_prefix(1);
    return 16;
  }
  if (rest.size() > 1 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    rest.remove_prefix(2);
    return 16;
  }
  return 10;
}

std::optional<std::int32_t> Parse(std::string_view rest) {
  while (rest.starts_with(' ')) rest.remove_prefix(1);
  bool negative = false;
  if (rest.starts_with('+') || rest.starts_with('-')) {
    negative = rest[0] == '-';
    rest.remove_prefix(1);
  }
  const int base = TakeBase(rest);
  if (rest.empty()) return std::nullopt;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t value = 0;
  for (const char c : rest) {
    const auto digit = DigitValue(c, base);
    if (!digit) return std::nullopt;
    value = value * base + *digit;
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

EConvertError::EConvertError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value") {}

std::int32_t StrToInt(const std::string& text) {
  const auto value = Parse(text);
  if (!value) throw EConvertError(text);
  return *value;
}

}  // namespace gapwise
