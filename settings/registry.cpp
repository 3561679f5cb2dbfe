#include "settings/registry.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

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

// A hive file that this process may replace: absent, or writable by it (as a key's ACL would say).
bool MayWrite(const std::string& file) {
  return !file.empty() && (::access(file.c_str(), W_OK) == 0 || errno == ENOENT);
}

// Writes the hive unless it has grown too large to be read back.
bool Store(const std::string& file, const THive& hive, const THiveWriter& writer) {
  const std::string bytes = hive.Serialize();
  return bytes.size() <= kMaxHiveBytes && ReplaceFileAtomically(file, bytes, writer);
}

}  // namespace

TRegistry::TRegistry(THivePaths paths, THiveWriter writer)
    : paths_(std::move(paths)), writer_(std::move(writer)) {}

const std::string& TRegistry::FileOf(bool user) const {
  return user ? paths_.CurrentUser : paths_.LocalMachine;
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
  if (writing && (!open.User || !MayWrite(FileOf(open.User)))) return ERROR_ACCESS_DENIED;
  auto hive = std::make_shared<THive>();
  if (const LONG status = ReadError(ReadHiveFile(FileOf(open.User), *hive));
      status != ERROR_SUCCESS) {
    return status;
  }
  if (!hive->KeyExists(open.Path)) return ERROR_FILE_NOT_FOUND;
  open.Access = desired;
  open.Hive = std::move(hive);
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
  if (!open.User || (parentAccess & KEY_CREATE_SUB_KEY) == 0 || !MayWrite(FileOf(open.User))) {
    return ERROR_ACCESS_DENIED;
  }
  auto hive = std::make_shared<THive>();
  const THiveRead read = ReadHiveFile(FileOf(open.User), *hive);
  if (read != THiveRead::kOk && read != THiveRead::kMissing) return ReadError(read);
  const bool existed = hive->KeyExists(open.Path);
  if (!existed) {
    if (!hive->CreateKey(open.Path)) return ERROR_INVALID_PARAMETER;
    if (!Store(FileOf(open.User), *hive, writer_)) return ERROR_CANTWRITE;
  }
  if (disposition) *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
  open.Access = desired;
  open.Hive = std::move(hive);
  *result = Add(std::move(open));
  return ERROR_SUCCESS;
}

LONG TRegistry::RegQueryValueEx(HKEY key, const char* name, DWORD* reserved, DWORD* type,
                                std::uint8_t* data, DWORD* size) {
  const auto found = keys_.find(key);
  if (found == keys_.end()) return ERROR_INVALID_HANDLE;
  if (reserved != nullptr || (data != nullptr && size == nullptr)) return ERROR_INVALID_PARAMETER;
  if ((found->second.Access & KEY_QUERY_VALUE) == 0) return ERROR_ACCESS_DENIED;
  const THiveValue* value = found->second.Hive->FindValue(found->second.Path, name ? name : "");
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
  auto hive = std::make_shared<THive>();
  const THiveRead read = ReadHiveFile(FileOf(open.User), *hive);
  if (read != THiveRead::kOk && read != THiveRead::kMissing) return ReadError(read);
  THiveValue value{type, {}};
  if (size != 0) value.Data.assign(data, data + size);
  if (!hive->SetValue(open.Path, name ? name : "", value)) return ERROR_INVALID_PARAMETER;
  if (!Store(FileOf(open.User), *hive, writer_)) return ERROR_CANTWRITE;
  open.Hive = std::move(hive);
  return ERROR_SUCCESS;
}

LONG TRegistry::RegCloseKey(HKEY key) {
  if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE) return ERROR_SUCCESS;
  return keys_.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace gapwise
