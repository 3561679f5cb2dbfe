// Conversions between UTF-16LE bytes and UTF-8 text, for hives exported in the Unicode format.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gapwise {

// UTF-16LE bytes to UTF-8; nothing for an odd length or an unpaired surrogate.
std::optional<std::string> Utf16LeToUtf8(std::string_view bytes);

// Whether text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// UTF-8 text to UTF-16LE bytes; a byte that does not start a valid sequence counts as Latin-1.
std::string Utf8ToUtf16Le(std::string_view text);

}  // namespace gapwise
