// Reading a hive file without side effects, and replacing it atomically.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "settings/hive.h"

namespace gapwise {

enum class THiveRead { kOk, kMissing, kDenied, kBad };

// kMissing when there is no such file (or no path), kDenied when it may not be read, kBad when
// it is not a regular file, is too large, cannot be read or cannot be parsed. Never blocks on a
// FIFO and never creates anything.
THiveRead ReadHiveFile(const std::string& path, THive& hive);

// Writes bytes to fd; false when the write failed. Tests put a failing one in its place.
using THiveWriter = std::function<bool(int fd, std::string_view bytes)>;
bool WriteAll(int fd, std::string_view bytes);

// Writes a temporary file in the same folder (creating the folder, mode 0700, if missing),
// flushes it to disk and renames it over path, so that path holds the old bytes or the new ones
// and never a torn mix. A symbolic link is followed to the file it names. On failure the
// temporary file is removed and path is left as it was.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           const THiveWriter& write);

}  // namespace gapwise
