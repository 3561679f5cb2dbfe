#include "settings/web/storage_registry.h"

#include <algorithm>

namespace gapwise {
namespace {

using reg::Status;

bool IsUser(reg::Root root) {
  return root == reg::Root::CurrentUser;
}

// The key's full path, root name first; BadPathname for a leading backslash.
Status Resolve(reg::Root root, const char* subKey, std::string& path) {
  path = IsUser(root) ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
  std::string_view sub = subKey ? subKey : "";
  if (sub.starts_with('\\')) return Status::BadPathname;
  while (sub.ends_with('\\')) sub.remove_suffix(1);
  if (!sub.empty()) path += "\\" + std::string(sub);
  return Status::Success;
}

bool Fits(const THive& hive) {
  return hive.Serialize().size() <= kMaxHiveBytes;
}

}  // namespace

TStorageRegistry::TStorageRegistry(ITextStorage& storage, TStorageItems items)
    : storage_(storage), items_(std::move(items)) {}

const std::string& TStorageRegistry::ItemOf(bool user) const {
  return user ? items_.CurrentUser : items_.LocalMachine;
}

Status TStorageRegistry::Read(bool user, THive& hive) {
  badLine_[user] = 0;
  if (ItemOf(user).empty()) return Status::NotFound;
  const std::optional<std::string> text = storage_.Get(ItemOf(user));
  if (!text) return Status::NotFound;
  auto parsed = THive::Parse(*text, &badLine_[user]);
  if (!parsed) return Status::BadDatabase;
  hive = std::move(*parsed);
  return Status::Success;
}

Status TStorageRegistry::Save(const TOpenKey& key) {
  if (!key.Created && key.Writes.empty()) return Status::Success;
  THive hive;
  const Status read = Read(key.User, hive);
  if (read != Status::Success && read != Status::NotFound) return read;
  if (key.Created) hive.CreateKey(key.Path);
  for (const auto& [name, value] : key.Writes) hive.SetValue(key.Path, name, value);
  const std::string text = hive.Serialize();
  return text.size() <= kMaxHiveBytes && storage_.Set(ItemOf(key.User), text) ? Status::Success
                                                                              : Status::CantWrite;
}

reg::Key TStorageRegistry::Add(TOpenKey key) {
  const reg::Key handle = next_++;
  keys_.emplace(handle, std::move(key));
  return handle;
}

Status TStorageRegistry::OpenKey(reg::Root root, const char* subKey, reg::Access desired,
                                 reg::Key& result) {
  TOpenKey open;
  open.User = IsUser(root);
  if (const Status status = Resolve(root, subKey, open.Path); status != Status::Success) {
    return status;
  }
  if (!open.User && (desired & reg::kWriteRights) != 0) return Status::AccessDenied;
  if (const Status status = Read(open.User, open.Hive); status != Status::Success) return status;
  if (!open.Hive.KeyExists(open.Path)) return Status::NotFound;
  open.Access = desired;
  result = Add(std::move(open));
  return Status::Success;
}

Status TStorageRegistry::CreateKey(reg::Root root, const char* subKey, reg::Access desired,
                                   reg::Key& result, bool* created) {
  TOpenKey open;
  open.User = IsUser(root);
  if (const Status status = Resolve(root, subKey, open.Path); status != Status::Success) {
    return status;
  }
  if (!open.User || ItemOf(true).empty()) return Status::AccessDenied;
  const Status read = Read(open.User, open.Hive);
  if (read != Status::Success && read != Status::NotFound) return read;
  open.Created = !open.Hive.KeyExists(open.Path);
  if (open.Created && !open.Hive.CreateKey(open.Path)) return Status::InvalidParameter;
  if (open.Created && !Fits(open.Hive)) return Status::CantWrite;
  if (created) *created = open.Created;
  open.Access = desired;
  result = Add(std::move(open));
  return Status::Success;
}

Status TStorageRegistry::QueryValue(reg::Key key, const char* name, reg::Type* type,
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

Status TStorageRegistry::SetValue(reg::Key key, const char* name, reg::Type type,
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

Status TStorageRegistry::CloseKey(reg::Key key) {
  const auto found = keys_.find(key);
  if (found == keys_.end()) return Status::InvalidHandle;
  const TOpenKey closing = std::move(found->second);
  keys_.erase(found);
  return Save(closing);
}

std::string TStorageRegistry::DescribeUnreadable(reg::Root root) const {
  std::string text = "the stored settings '" + ItemOf(IsUser(root)) + "'";
  if (const std::size_t line = badLine_[IsUser(root)]; line > 0) {
    text += " (line " + std::to_string(line) + ")";
  }
  return text;
}

}  // namespace gapwise
