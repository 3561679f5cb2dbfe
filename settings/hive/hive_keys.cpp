#include "settings/hive/hive_keys.h"

#include <algorithm>
#include <string_view>

namespace gapwise {
namespace {

using reg::Status;

// Whether the hive stays small enough to be read back.
bool Fits(const THive& hive) {
  return hive.Serialize().size() <= kMaxHiveBytes;
}

}  // namespace

// The key's full path, root name first; BadPathname for a leading backslash.
Status THiveKeys::Open(reg::Root root, const char* subKey, TOpenKey& open) {
  open.User = IsUser(root);
  open.Path = open.User ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
  std::string_view sub = subKey ? subKey : "";
  if (sub.starts_with('\\')) return Status::BadPathname;
  while (sub.ends_with('\\')) sub.remove_suffix(1);
  if (!sub.empty()) {
    open.Path += '\\';
    open.Path += sub;
  }
  return Status::Success;
}

Status THiveKeys::Save(const TOpenKey& key) {
  if (!key.Created && key.Writes.empty()) return Status::Success;
  THive hive;
  const Status read = ReadHive(key.User, hive, badLine_[key.User]);
  if (read != Status::Success && read != Status::NotFound) return read;
  if (key.Created) hive.CreateKey(key.Path);
  for (const auto& [name, value] : key.Writes) hive.SetValue(key.Path, name, value);
  const std::string text = hive.Serialize();
  return text.size() <= kMaxHiveBytes && WriteHive(key.User, text) ? Status::Success
                                                                   : Status::CantWrite;
}

reg::Key THiveKeys::Add(TOpenKey key) {
  const reg::Key handle = next_++;
  keys_.emplace(handle, std::move(key));
  return handle;
}

Status THiveKeys::OpenKey(reg::Root root, const char* subKey, reg::Access desired,
                          reg::Key& result) {
  TOpenKey open;
  if (const Status status = Open(root, subKey, open); status != Status::Success) return status;
  if ((desired & reg::kWriteRights) != 0) {
    if (const Status status = MayWrite(open.User); status != Status::Success) return status;
  }
  const Status read = ReadHive(open.User, open.Hive, badLine_[open.User]);
  if (read != Status::Success) return read;
  if (!open.Hive.KeyExists(open.Path)) return Status::NotFound;
  open.Access = desired;
  result = Add(std::move(open));
  return Status::Success;
}

Status THiveKeys::CreateKey(reg::Root root, const char* subKey, reg::Access desired,
                            reg::Key& result, bool* created) {
  TOpenKey open;
  if (const Status status = Open(root, subKey, open); status != Status::Success) return status;
  if (const Status status = MayWrite(open.User); status != Status::Success) return status;
  const Status read = ReadHive(open.User, open.Hive, badLine_[open.User]);
  if (read != Status::Success && read != Status::NotFound) return read;
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

Status THiveKeys::QueryValue(reg::Key key, const char* name, reg::Type* type, std::uint8_t* data,
                             std::uint32_t* size) {
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

Status THiveKeys::SetValue(reg::Key key, const char* name, reg::Type type, const std::uint8_t* data,
                           std::uint32_t size) {
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

Status THiveKeys::CloseKey(reg::Key key) {
  const auto found = keys_.find(key);
  if (found == keys_.end()) return Status::InvalidHandle;
  const TOpenKey closing = std::move(found->second);
  keys_.erase(found);
  return Save(closing);
}

}  // namespace gapwise
