#include "settings/store.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "settings/hive_paths.h"

namespace gapwise {
namespace {

constexpr const char* kInvalidType = "Invalid data type for '%s'";
constexpr const char* kFailedGet = "Failed to get data for '%s'";
constexpr const char* kFailedSet = "Failed to set data for '%s'";

ERegistryException Error(std::string_view format, const char* name) {
  std::string message(format);
  message.replace(message.find("%s"), 2, name);
  return ERegistryException(message);
}

// Closes the key however the operation ends.
class TKeyCloser {
 public:
  TKeyCloser(TRegistry& registry, HKEY key) : registry_(registry), key_(key) {}
  TKeyCloser(const TKeyCloser&) = delete;
  TKeyCloser& operator=(const TKeyCloser&) = delete;
  ~TKeyCloser() {
    if (open_) registry_.RegCloseKey(key_);
  }
  LONG Close() {
    open_ = false;
    return registry_.RegCloseKey(key_);
  }

 private:
  TRegistry& registry_;
  HKEY key_;
  bool open_ = true;
};

// Says so on standard error too, where it is seen even when no window shows it.
[[noreturn]] void ThrowUnreadable(const TRegistry& registry) {
  std::string message = "Cannot read the settings file '" + registry.Paths().CurrentUser + "'";
  if (const std::size_t line = registry.BadLine(HKEY_CURRENT_USER); line > 0) {
    message += " (line " + std::to_string(line) + ")";
  }
  message += ": settings will not be saved until it is fixed or removed";
  std::fprintf(stderr, "%s\n", message.c_str());
  throw ESettingsFileUnreadable(message);
}

const char* SubKey() {
  return kSettingsKeyPath + 1;
}

// KEY_READ, then KEY_READ without KEY_NOTIFY, then KEY_QUERY_VALUE; the last result.
LONG OpenForReading(TRegistry& registry, HKEY root, HKEY& key) {
  LONG status = ERROR_SUCCESS;
  for (const REGSAM access : {KEY_READ, REGSAM{0x20009}, KEY_QUERY_VALUE}) {
    status = registry.RegOpenKeyEx(root, SubKey(), 0, access, &key);
    if (status == ERROR_SUCCESS) break;
  }
  return status;
}

bool Exists(TRegistry& registry, HKEY key, const char* name, DWORD& type, DWORD& size) {
  return registry.RegQueryValueEx(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
}

std::uint32_t ReadInteger(TRegistry& registry, HKEY key, const char* name) {
  std::uint8_t buffer[4] = {};  // a shorter REG_DWORD reads as zero-extended
  DWORD type = REG_NONE;
  DWORD size = sizeof buffer;
  if (registry.RegQueryValueEx(key, name, nullptr, &type, buffer, &size) != ERROR_SUCCESS) {
    throw Error(kFailedGet, name);
  }
  if (type != REG_DWORD) throw Error(kInvalidType, name);
  return buffer[0] | buffer[1] << 8 | buffer[2] << 16 | static_cast<std::uint32_t>(buffer[3]) << 24;
}

void ReadOps(TRegistry& registry, HKEY key, DWORD type, DWORD size, TDrillSettings& settings) {
  if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_DWORD || size > 4) {
    throw Error(kInvalidType, "ops");
  }
  std::uint8_t buffer[4] = {};
  size = sizeof buffer;
  if (registry.RegQueryValueEx(key, "ops", nullptr, &type, buffer, &size) != ERROR_SUCCESS) {
    throw Error(kFailedGet, "ops");
  }
  std::copy(buffer, buffer + size, settings.Ops.begin());
}

// The data up to its first NUL (all of it when it has none).
std::string ReadString(TRegistry& registry, HKEY key, const char* name, DWORD size) {
  if (size == 0) return {};
  std::vector<std::uint8_t> data(size);
  DWORD type = REG_NONE;
  if (registry.RegQueryValueEx(key, name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
    return {};
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw Error(kInvalidType, name);
  data.resize(size);
  const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
  return std::string(data.begin(), end);
}

std::string CurrentDirectory() {
  char* path = ::getcwd(nullptr, 0);
  if (path == nullptr) return {};
  std::string out = path;
  std::free(path);
  return out;
}

void LoadInstallFolder(TRegistry& registry, std::string& installFolder) {
  HKEY key = 0;
  if (OpenForReading(registry, HKEY_LOCAL_MACHINE, key) != ERROR_SUCCESS) return;
  const TKeyCloser closer(registry, key);
  DWORD type = REG_NONE;
  DWORD size = 0;
  installFolder = Exists(registry, key, "AppPath", type, size)
                      ? ReadString(registry, key, "AppPath", size)
                      : CurrentDirectory();
}

void WriteValue(TRegistry& registry, HKEY key, const char* name, DWORD type,
                const std::uint8_t* data, DWORD size) {
  if (registry.RegSetValueEx(key, name, 0, type, data, size) != ERROR_SUCCESS) {
    throw Error(kFailedSet, name);
  }
}

void WriteInteger(TRegistry& registry, HKEY key, const char* name, std::uint32_t value) {
  const std::uint8_t data[4] = {
      static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  WriteValue(registry, key, name, REG_DWORD, data, sizeof data);
}

}  // namespace

void LoadSettings(TDrillSettings& settings, std::string& installFolder, TRegistry& registry) {
  LoadInstallFolder(registry, installFolder);
  HKEY key = 0;
  const LONG opened = OpenForReading(registry, HKEY_CURRENT_USER, key);
  if (opened == ERROR_BADDB) ThrowUnreadable(registry);
  if (opened != ERROR_SUCCESS) return;
  const TKeyCloser closer(registry, key);
  DWORD type = REG_NONE;
  DWORD size = 0;
  const auto has = [&](const char* name) { return Exists(registry, key, name, type, size); };
  const auto integer = [&](const char* name) { return ReadInteger(registry, key, name); };
  if (has("tlimited")) settings.TimeLimited = integer("tlimited") != 0;
  if (has("showr")) settings.ShowRight = integer("showr") != 0;
  if (has("multc")) settings.MultChoice = integer("multc") != 0;
  if (has("timelimit")) settings.TimeLimit = static_cast<std::int32_t>(integer("timelimit"));
  if (has("checked")) settings.Checked = static_cast<std::uint8_t>(integer("checked"));
  if (has("ops")) ReadOps(registry, key, type, size, settings);
}

void SaveSettings(const TDrillSettings& settings, TRegistry& registry) {
  HKEY key = 0;
  if (registry.RegCreateKeyEx(HKEY_CURRENT_USER, SubKey(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  TKeyCloser closer(registry, key);
  WriteInteger(registry, key, "tlimited", settings.TimeLimited ? 1 : 0);
  WriteInteger(registry, key, "showr", settings.ShowRight ? 1 : 0);
  WriteInteger(registry, key, "multc", settings.MultChoice ? 1 : 0);
  WriteInteger(registry, key, "timelimit", static_cast<std::uint32_t>(settings.TimeLimit));
  WriteInteger(registry, key, "checked", settings.Checked);
  WriteValue(registry, key, "ops", REG_BINARY, settings.Ops.data(), 4);
  // The close saves all six at once; when that fails, the first of them is the first not saved.
  if (closer.Close() != ERROR_SUCCESS) throw Error(kFailedSet, "tlimited");
}

void LoadSettings(TDrillSettings& settings, std::string& installFolder) {
  TRegistry registry(DefaultHivePaths());
  LoadSettings(settings, installFolder, registry);
}

void SaveSettings(const TDrillSettings& settings) {
  TRegistry registry(DefaultHivePaths());
  SaveSettings(settings, registry);
}

}  // namespace gapwise
