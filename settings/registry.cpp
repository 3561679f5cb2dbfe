#include "settings/registry.h"

#include <algorithm>

namespace gapwise {
namespace {

LONG ReadError(THiveRead status) {
  switch (status) {
    case THiveRead::kOk:
      return ERROR_SUCCESS;
    case THiveRead::kMissing:
      return ERROR_FILE_NOT_FOUND;
    case THiveRead::kDenied:
      return ERROR_ACCESS_DENIED;
    case THiveRead::kBad:
      break;
  }
  return ERROR_BADDB;
}

// Whether the hive stays small enough to be read back.
bool Fits(const THive& hive) {
  return hive.Serialize().size() <= kMaxHiveBytes;
}

}  // namespace

TRegistry::TRegistry(THivePaths paths, THiveFileSystem& fs) : paths_(std::move(paths)), fs_(&fs) {}

const std::string& TRegistry::FileOf(bool user) const {
  return user ? paths_.CurrentUser : paths_.LocalMachine;
}

THiveRead TRegistry::Read(bool user, THive& hive) {
  return ReadHiveFile(FileOf(user), hive, *fs_, &badLine_[user]);
}

LONG TRegistry::Save(const TOpenKey& key) {
  if (!key.Created && key.Writes.empty()) return ERROR_SUCCESS;
  THive hive;
  const THiveRead read = Read(key.User, hive);
  if (read != THiveRead::kOk && read != THiveRead::kMissing) return ReadError(read);
  if (key.Created) hive.CreateKey(key.Path);
  for (const auto& [name, value] : key.Writes) hive.SetValue(key.Path, name, value);
  const std::string bytes = hive.Serialize();
  return bytes.size() <= kMaxHiveBytes && WriteHiveFile(FileOf(key.User), bytes, *fs_)
             ? ERROR_SUCCESS
             : ERROR_CANTWRITE;
}

HKEY TRegistry::Add(TOpenKey key) {
  const HKEY handle = next_++;
  keys_.emplace(handle, std::move(key));
  return handle;
}

LONG TRegistry::Resolve(HKEY key, const char* subKey, TOpenKey& target,
                        REGSAM& parentAccess) const {
  if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE) {
    target.User = key == HKEY_CURRENT_USER;
    target.Path = target.User ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
    parentAccess = KEY_ALL_ACCESS;
  } else if (const auto found = keys_.find(key); found != keys_.end()) {
    target.User = found->second.User;
    target.Path = found->second.Path;
    parentAccess = found->second.Access;
  } else {
    return ERROR_INVALID_HANDLE;
  }
  std::string_view sub = subKey ? subKey : "";
  if (sub.starts_with('\\')) return ERROR_BAD_PATHNAME;
  while (sub.ends_with('\\')) sub.remove_suffix(1);
  if (!sub.empty()) {
    target.Path += '\\';
    target.Path += sub;
  }
  return ERROR_SUCCESS;
}

LONG TRegistry::RegOpenKeyEx(HKEY key, const char* subKey, DWORD /*options*/, REGSAM desired,
                             HKEY* result) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  TOpenKey open;
  REGSAM parentAccess = 0;
  if (const LONG status = Resolve(key, subKey, open, parentAccess); status != ERROR_SUCCESS) {
    return status;
  }
  const bool writing = (desired & kWriteRights) != 0;
  if (writing && (!open.User || !MayWriteHiveFile(FileOf(open.User), *fs_))) {
    return ERROR_ACCESS_DENIED;
  }
  if (const LONG status = ReadError(Read(open.User, open.Hive)); status != ERROR_SUCCESS) {
    return status;
  }
  if (!open.Hive.KeyExists(open.Path)) return ERROR_FILE_NOT_FOUND;
  open.Access = desired;
  *result = Add(std::move(open));
  return ERROR_SUCCESS;
}

LONG TRegistry::RegCreateKeyEx(HKEY key, const char* subKey, DWORD reserved, char* /*keyClass*/,
                               DWORD /*options*/, REGSAM desired, const void* /*security*/,
                               HKEY* result, DWORD* disposition) {
  if (result == nullptr || reserved != 0) return ERROR_INVALID_PARAMETER;
  TOpenKey open;
  REGSAM parentAccess = 0;
  if (const LONG status = Resolve(key, subKey, open, parentAccess); status != ERROR_SUCCESS) {
    return status;
  }
  if (!open.User || (parentAccess & KEY_CREATE_SUB_KEY) == 0 ||
      !MayWriteHiveFile(FileOf(open.User), *fs_)) {
    return ERROR_ACCESS_DENIED;
  }
  const THiveRead read = Read(open.User, open.Hive);
  if (read != THiveRead::kOk && read != THiveRead::kMissing) return ReadError(read);
  open.Created = !open.Hive.KeyExists(open.Path);
  if (open.Created) {
    if (!open.Hive.CreateKey(open.Path)) return ERROR_INVALID_PARAMETER;
    if (!Fits(open.Hive)) return ERROR_CANTWRITE;
  }
  if (disposition) *disposition = open.Created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  open.Access = desired;
  *result = Add(std::move(open));
  return ERROR_SUCCESS;
}

LONG TRegistry::RegQueryValueEx(HKEY key, const char* name, DWORD* reserved, DWORD* type,
                                std::uint8_t* data, DWORD* size) {
  const auto found = keys_.find(key);
  if (found == keys_.end()) return ERROR_INVALID_HANDLE;
  if (reserved != nullptr || (data != nullptr && size == nullptr)) return ERROR_INVALID_PARAMETER;
  if ((found->second.Access & KEY_QUERY_VALUE) == 0) return ERROR_ACCESS_DENIED;
  const THiveValue* value = found->second.Hive.FindValue(found->second.Path, name ? name : "");
  if (value == nullptr) return ERROR_FILE_NOT_FOUND;
  if (type) *type = value->Type;
  const auto needed = static_cast<DWORD>(value->Data.size());
  if (data != nullptr && *size < needed) {
    *size = needed;
    return ERROR_MORE_DATA;
  }
  if (data != nullptr) std::copy(value->Data.begin(), value->Data.end(), data);
  if (size) *size = needed;
  return ERROR_SUCCESS;
}

LONG TRegistry::RegSetValueEx(HKEY key, const char* name, DWORD reserved, DWORD type,
                              const std::uint8_t* data, DWORD size) {
  const auto found = keys_.find(key);
  if (found == keys_.end()) return ERROR_INVALID_HANDLE;
  if (reserved != 0 || (data == nullptr && size != 0)) return ERROR_INVALID_PARAMETER;
  TOpenKey& open = found->second;
  if (!open.User || (open.Access & KEY_SET_VALUE) == 0) return ERROR_ACCESS_DENIED;
  THiveValue value{type, {}};
  if (size != 0) value.Data.assign(data, data + size);
  THive hive = open.Hive;
  if (!hive.SetValue(open.Path, name ? name : "", value)) return ERROR_INVALID_PARAMETER;
  if (!Fits(hive)) return ERROR_CANTWRITE;
  open.Hive = std::move(hive);
  open.Writes.emplace_back(name ? name : "", std::move(value));
  return ERROR_SUCCESS;
}

LONG TRegistry::RegCloseKey(HKEY key) {
  if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE) return ERROR_SUCCESS;
  const auto found = keys_.find(key);
  if (found == keys_.end()) return ERROR_INVALID_HANDLE;
  const TOpenKey closing = std::move(found->second);
  keys_.erase(found);
  return Save(closing);
}

}  // namespace gapwise
