// The settings store: the user's drill options kept under the per-user registry key, and the
// installation folder read from the machine-wide key.
#pragma once

#include <stdexcept>
#include <string>

#include "engine/types.h"
#include "settings/registry.h"

namespace gapwise {

// A failure reported by the store; what() is the message shown to the user.
class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The stored values exist but cannot be read (the settings file is damaged); the store has also
// written the message to standard error.
class ESettingsFileUnreadable : public ERegistryException {
 public:
  using ERegistryException::ERegistryException;
};

// Both keys' path under their roots; the leading backslash marks it as relative to the root.
inline constexpr const char* kSettingsKeyPath = "\\Software\\Ardentree\\Gapwise";

// Reads AppPath into installFolder (the current directory when the machine-wide key has no
// AppPath), then each stored value over settings; never writes. Throws ERegistryException at
// the first value it cannot accept; what was read before it stays. Throws
// ESettingsFileUnreadable, naming the store (the file and the line at fault), when the per-user
// values cannot be read (BadDatabase) or reading them failed (CantRead).
void LoadSettings(TDrillSettings& settings, std::string& installFolder, reg::IRegistry& registry);

// Writes all six values, creating the key, and saves them at once when it closes the key; silent
// when the key may not be written or the stored values cannot be read (BadDatabase, which
// LoadSettings has reported), throws ERegistryException("Failed to set data for '<name>'") when
// a write fails, after saving the values written before it, and as for the first value,
// 'tlimited', when the key cannot be created for any other reason (a read error among them) or
// the save at its close fails.
void SaveSettings(const TDrillSettings& settings, reg::IRegistry& registry);

}  // namespace gapwise
