#include "settings/store.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

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

using reg::IRegistry;
using reg::Status;
using reg::Type;

// Closes the key however the operation ends.
class TKeyCloser {
 public:
  TKeyCloser(IRegistry& registry, reg::Key key) : registry_(registry), key_(key) {}
  TKeyCloser(const TKeyCloser&) = delete;
  TKeyCloser& operator=(const TKeyCloser&) = delete;
  ~TKeyCloser() {
    if (open_) registry_.CloseKey(key_);
  }
  Status Close() {
    open_ = false;
    return registry_.CloseKey(key_);
  }

 private:
  IRegistry& registry_;
  reg::Key key_;
  bool open_ = true;
};

// Says so on standard error too, where it is seen even when no window shows it. A file that
// cannot be parsed stays so; reading one may fail only this time.
[[noreturn]] void ThrowUnreadable(const IRegistry& registry, Status status) {
  const std::string message =
      "Cannot read " + registry.DescribeUnreadable(reg::Root::CurrentUser) +
      (status == Status::BadDatabase ? ": settings will not be saved until it is fixed or removed"
                                     : ": the stored settings were not loaded");
  std::fprintf(stderr, "%s\n", message.c_str());
  throw ESettingsFileUnreadable(message);
}

const char* SubKey() {
  return kSettingsKeyPath + 1;
}

// Reading, then reading without notification, then querying values only; the last result.
Status OpenForReading(IRegistry& registry, reg::Root root, reg::Key& key) {
  Status status = Status::Success;
  for (const reg::Access access : {reg::kRead, reg::kRead & ~reg::kNotify, reg::kQueryValue}) {
    status = registry.OpenKey(root, SubKey(), access, key);
    if (status == Status::Success) break;
  }
  return status;
}

bool Exists(IRegistry& registry, reg::Key key, const char* name, Type& type, std::uint32_t& size) {
  return registry.QueryValue(key, name, &type, nullptr, &size) == Status::Success;
}

std::uint32_t ReadInteger(IRegistry& registry, reg::Key key, const char* name) {
  std::uint8_t buffer[4] = {};  // a shorter double word reads as zero-extended
  Type type = Type::None;
  std::uint32_t size = sizeof buffer;
  if (registry.QueryValue(key, name, &type, buffer, &size) != Status::Success) {
    throw Error(kFailedGet, name);
  }
  if (type != Type::Dword) throw Error(kInvalidType, name);
  return buffer[0] | buffer[1] << 8 | buffer[2] << 16 | static_cast<std::uint32_t>(buffer[3]) << 24;
}

void ReadOps(IRegistry& registry, reg::Key key, Type type, std::uint32_t size,
             TDrillSettings& settings) {
  if (type == Type::String || type == Type::ExpandString || type == Type::Dword || size > 4) {
    throw Error(kInvalidType, "ops");
  }
  std::uint8_t buffer[4] = {};
  size = sizeof buffer;
  if (registry.QueryValue(key, "ops", &type, buffer, &size) != Status::Success) {
    throw Error(kFailedGet, "ops");
  }
  std::copy(buffer, buffer + size, settings.Ops.begin());
}

// The data up to its first NUL (all of it when it has none).
std::string ReadString(IRegistry& registry, reg::Key key, const char* name, std::uint32_t size) {
  if (size == 0) return {};
  std::vector<std::uint8_t> data(size);
  Type type = Type::None;
  if (registry.QueryValue(key, name, &type, data.data(), &size) != Status::Success) return {};
  if (type != Type::String && type != Type::ExpandString) throw Error(kInvalidType, name);
  data.resize(size);
  const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
  return std::string(data.begin(), end);
}

// The process's current directory as the system reports it; empty when it cannot.
std::string CurrentDirectory() {
  std::error_code error;
  std::string folder = std::filesystem::current_path(error).string();
  return error ? std::string() : folder;
}

void LoadInstallFolder(IRegistry& registry, std::string& installFolder) {
  reg::Key key = 0;
  if (OpenForReading(registry, reg::Root::LocalMachine, key) != Status::Success) return;
  const TKeyCloser closer(registry, key);
  Type type = Type::None;
  std::uint32_t size = 0;
  installFolder = Exists(registry, key, "AppPath", type, size)
                      ? ReadString(registry, key, "AppPath", size)
                      : CurrentDirectory();
}

void WriteValue(IRegistry& registry, reg::Key key, const char* name, Type type,
                const std::uint8_t* data, std::uint32_t size) {
  if (registry.SetValue(key, name, type, data, size) != Status::Success) {
    throw Error(kFailedSet, name);
  }
}

void WriteInteger(IRegistry& registry, reg::Key key, const char* name, std::uint32_t value) {
  const std::uint8_t data[4] = {
      static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  WriteValue(registry, key, name, Type::Dword, data, sizeof data);
}

}  // namespace

void LoadSettings(TDrillSettings& settings, std::string& installFolder, IRegistry& registry) {
  LoadInstallFolder(registry, installFolder);
  reg::Key key = 0;
  const Status opened = OpenForReading(registry, reg::Root::CurrentUser, key);
  if (opened == Status::BadDatabase || opened == Status::CantRead)
    ThrowUnreadable(registry, opened);
  if (opened != Status::Success) return;
  const TKeyCloser closer(registry, key);
  Type type = Type::None;
  std::uint32_t size = 0;
  const auto has = [&](const char* name) { return Exists(registry, key, name, type, size); };
  const auto integer = [&](const char* name) { return ReadInteger(registry, key, name); };
  if (has("tlimited")) settings.TimeLimited = integer("tlimited") != 0;
  if (has("showr")) settings.ShowRight = integer("showr") != 0;
  if (has("multc")) settings.MultChoice = integer("multc") != 0;
  if (has("timelimit")) settings.TimeLimit = static_cast<std::int32_t>(integer("timelimit"));
  if (has("checked")) settings.Checked = static_cast<std::uint8_t>(integer("checked"));
  if (has("ops")) ReadOps(registry, key, type, size, settings);
}

void SaveSettings(const TDrillSettings& settings, IRegistry& registry) {
  reg::Key key = 0;
  const Status created = registry.CreateKey(reg::Root::CurrentUser, SubKey(), reg::kAllAccess, key);
  if (created == Status::AccessDenied || created == Status::BadDatabase) return;
  if (created != Status::Success) throw Error(kFailedSet, "tlimited");
  TKeyCloser closer(registry, key);
  WriteInteger(registry, key, "tlimited", settings.TimeLimited ? 1 : 0);
  WriteInteger(registry, key, "showr", settings.ShowRight ? 1 : 0);
  WriteInteger(registry, key, "multc", settings.MultChoice ? 1 : 0);
  WriteInteger(registry, key, "timelimit", static_cast<std::uint32_t>(settings.TimeLimit));
  WriteInteger(registry, key, "checked", settings.Checked);
  WriteValue(registry, key, "ops", Type::Binary, settings.Ops.data(), 4);
  // The close saves all six at once; when that fails, the first of them is the first not saved.
  if (closer.Close() != Status::Success) throw Error(kFailedSet, "tlimited");
}

}  // namespace gapwise
