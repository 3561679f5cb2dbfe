#include "settings/hive/hive_registry.h"

#include <algorithm>

namespace gapwise {
namespace {

using reg::Status;

Status ReadError(THiveRead status) {
  switch (status) {
    case THiveRead::kOk:
      return Status::Success;
    case THiveRead::kMissing:
      return Status::NotFound;
    case THiveRead::kDenied:
      return Status::AccessDenied;
    case THiveRead::kFailed:
      return Status::CantRead;
    case THiveRead::kBad:
      break;
  }
  return Status::BadDatabase;
}

// Success when the file may be written, AccessDenied when not, CantRead when that is not known.
Status WriteAccess(THiveAccess access) {
  switch (access) {
    case THiveAccess::kAllowed:
      return Status::Success;
    case THiveAccess::kDenied:
      break;
    case THiveAccess::kFailed:
      return Status::CantRead;
  }
  return Status::AccessDenied;
}

// Whether the hive stays small enough to be read back.
bool Fits(const THive& hive) {
  return hive.Serialize().size() <= kMaxHiveBytes;
}

}  // namespace

THiveRegistry::THiveRegistry(THivePaths paths, THiveFileSystem& fs)
    : paths_(std::move(paths)), fs_(&fs) {}

const std::string& THiveRegistry::FileOf(bool user) const {
  return user ? paths_.CurrentUser : paths_.LocalMachine;
}

THiveRead THiveRegistry::Read(bool user, THive& hive) {
  return ReadHiveFile(FileOf(user), hive, *fs_, &badLine_[user]);
}

Status THiveRegistry::MayWrite(bool user) {
  return user ? WriteAccess(MayWriteHiveFile(FileOf(user), *fs_)) : Status::AccessDenied;
}

Status THiveRegistry::Save(const TOpenKey& key) {
  if (!key.Created && key.Writes.empty()) return Status::Success;
  THive hive;
  const THiveRead read = Read(key.User, hive);
  if (read != THiveRead::kOk && read != THiveRead::kMissing) return ReadError(read);
  if (key.Created) hive.CreateKey(key.Path);
  for (const auto& [name, value] : key.Writes) hive.SetValue(key.Path, name, value);
  const std::string bytes = hive.Serialize();
  return bytes.size() <= kMaxHiveBytes && WriteHiveFile(FileOf(key.User), bytes, *fs_)
             ? Status::Success
             : Status::CantWrite;
}

reg::Key THiveRegistry::Add(TOpenKey key) {
  const reg::Key handle = next_++;
  keys_.emplace(handle, std::move(key));
  return handle;
}

Status THiveRegistry::Resolve(reg::Root root, const char* subKey, TOpenKey& target) {
  target.User = IsUser(root);
  target.Path = target.User ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
  std::string_view sub = subKey ? subKey : "";
  if (sub.starts_with('\\')) return Status::BadPathname;
  while (sub.ends_with('\\')) sub.remove_suffix(1);
  if (!sub.empty()) {
    target.Path += '\\';
    target.Path += sub;
  }
  return Status::Success;
}

Status THiveRegistry::OpenKey(reg::Root root, const char* subKey, reg::Access desired,
                              reg::Key& result) {
  TOpenKey open;
  if (const Status status = Resolve(root, subKey, open); status != Status::Success) return status;
  if ((desired & reg::kWriteRights) != 0) {
    if (const Status status = MayWrite(open.User); status != Status::Success) return status;
  }
  if (const Status status = ReadError(Read(open.User, open.Hive)); status != Status::Success) {
    return status;
  }
  if (!open.Hive.KeyExists(open.Path)) return Status::NotFound;
  open.Access = desired;
  result = Add(std::move(open));
  return Status::Success;
}

Status THiveRegistry::CreateKey(reg::Root root, const char* subKey, reg::Access desired,
                                reg::Key& result, bool* created) {
  TOpenKey open;
  if (const Status status = Resolve(root, subKey, open); status != Status::Success) return status;
  if (const Status status = MayWrite(open.User); status != Status::Success) return status;
  const THiveRead read = Read(open.User, open.Hive);
  if (read != THiveRead::kOk && read != THiveRead::kMissing) return ReadError(read);
  open.Created = !open.Hive.KeyExists(open.Path);
  if (open.Created) {
    if (!open.Hive.CreateKey(open.Path)) return Status::InvalidParameter;
    if (!Fits(open.Hive)) return Status::CantWrite;
  }
  if (created) *created = open.Created;
  open.Access = desired;
  result = Add(std::move(open));
  return Status::Success;
}

Status THiveRegistry::QueryValue(reg::Key key, const char* name, reg::Type* type,
                                 std::uint8_t* data, std::uint32_t* size) {
  const auto found = keys_.find(key);
  if (found == keys_.end()) return Status::InvalidHandle;
  if (data != nullptr && size == nullptr) return Status::InvalidParameter;
  if ((found->second.Access & reg::kQueryValue) == 0) return Status::AccessDenied;
  const THiveValue* value = found->second.Hive.FindValue(found->second.Path, name ? name : "");
  if (value == nullptr) return Status::NotFound;
  if (type) *type = value->Type;
  const auto needed = static_cast<std::uint32_t>(value->Data.size());
  if (data != nullptr && *size < needed) {
    *size = needed;
    return Status::MoreData;
  }
  if (data != nullptr) std::copy(value->Data.begin(), value->Data.end(), data);
  if (size) *size = needed;
  return Status::Success;
}

Status THiveRegistry::SetValue(reg::Key key, const char* name, reg::Type type,
                               const std::uint8_t* data, std::uint32_t size) {
  const auto found = keys_.find(key);
  if (found == keys_.end()) return Status::InvalidHandle;
  if (data == nullptr && size != 0) return Status::InvalidParameter;
  TOpenKey& open = found->second;
  if (!open.User || (open.Access & reg::kSetValue) == 0) return Status::AccessDenied;
  THiveValue value{type, {}};
  if (size != 0) value.Data.assign(data, data + size);
  THive hive = open.Hive;
  if (!hive.SetValue(open.Path, name ? name : "", value)) return Status::InvalidParameter;
  if (!Fits(hive)) return Status::CantWrite;
  open.Hive = std::move(hive);
  open.Writes.emplace_back(name ? name : "", std::move(value));
  return Status::Success;
}

Status THiveRegistry::CloseKey(reg::Key key) {
  const auto found = keys_.find(key);
  if (found == keys_.end()) return Status::InvalidHandle;
  const TOpenKey closing = std::move(found->second);
  keys_.erase(found);
  return Save(closing);
}

std::string THiveRegistry::DescribeUnreadable(reg::Root root) const {
  std::string text = "the settings file '" + FileOf(IsUser(root)) + "'";
  if (const std::size_t line = BadLine(root); line > 0) {
    text += " (line " + std::to_string(line) + ")";
  }
  return text;
}

}  // namespace gapwise
