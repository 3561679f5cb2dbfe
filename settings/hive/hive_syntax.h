// Reading single lines of the registry editor's text format: key headers and value entries.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/hive/hive.h"

namespace gapwise {

std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);

// A blank line or a comment.
bool IsBlankOrComment(std::string_view line);

// "[path]" or "[-path]", a comment allowed after it; false for anything else.
bool ParseKeyLine(std::string_view line, std::string& path, bool& deleted);

// The value entry that starts at lines[i], with its continuation lines; i moves to its last line.
// In a Unicode hive the data of string types (hex(1), hex(2), hex(7)) is UTF-16LE.
std::optional<THiveEntry> ParseValueEntry(const std::vector<std::string_view>& lines,
                                          std::size_t& i, bool unicode);

// Value and key names compare as the registry compares them: ASCII letters without case.
bool EqualNoCase(std::string_view a, std::string_view b);

}  // namespace gapwise
