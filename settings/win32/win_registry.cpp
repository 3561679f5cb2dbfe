// The backend's one file that includes <windows.h>: the advapi32 calls, with the registry
// interface's types converted at its edge. The interface numbers its results, types and rights
// as the system does, which the asserts below hold to.
#include "settings/win32/win_registry.h"

#include <windows.h>

namespace gapwise {
namespace {

static_assert(sizeof(HKEY) <= sizeof(reg::Key));

constexpr bool Is(reg::Status status, LONG code) {
  return static_cast<LONG>(status) == code;
}
static_assert(Is(reg::Status::Success, ERROR_SUCCESS) &&
              Is(reg::Status::NotFound, ERROR_FILE_NOT_FOUND) &&
              Is(reg::Status::AccessDenied, ERROR_ACCESS_DENIED) &&
              Is(reg::Status::InvalidHandle, ERROR_INVALID_HANDLE) &&
              Is(reg::Status::InvalidParameter, ERROR_INVALID_PARAMETER) &&
              Is(reg::Status::BadPathname, ERROR_BAD_PATHNAME) &&
              Is(reg::Status::MoreData, ERROR_MORE_DATA) &&
              Is(reg::Status::BadDatabase, ERROR_BADDB) &&
              Is(reg::Status::CantRead, ERROR_CANTREAD) &&
              Is(reg::Status::CantWrite, ERROR_CANTWRITE));
static_assert(static_cast<DWORD>(reg::Type::None) == REG_NONE &&
              static_cast<DWORD>(reg::Type::String) == REG_SZ &&
              static_cast<DWORD>(reg::Type::ExpandString) == REG_EXPAND_SZ &&
              static_cast<DWORD>(reg::Type::Binary) == REG_BINARY &&
              static_cast<DWORD>(reg::Type::Dword) == REG_DWORD &&
              static_cast<DWORD>(reg::Type::MultiString) == REG_MULTI_SZ);
static_assert(reg::kQueryValue == KEY_QUERY_VALUE && reg::kSetValue == KEY_SET_VALUE &&
              reg::kCreateSubKey == KEY_CREATE_SUB_KEY &&
              reg::kEnumerateSubKeys == KEY_ENUMERATE_SUB_KEYS && reg::kNotify == KEY_NOTIFY &&
              reg::kCreateLink == KEY_CREATE_LINK && reg::kRead == KEY_READ &&
              reg::kWrite == KEY_WRITE && reg::kAllAccess == KEY_ALL_ACCESS);

HKEY RootKey(reg::Root root) {
  return root == reg::Root::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

HKEY Handle(reg::Key key) {
  return reinterpret_cast<HKEY>(key);
}

reg::Key KeyOf(HKEY key) {
  return reinterpret_cast<reg::Key>(key);
}

// The system's result as the interface's: the same number.
reg::Status StatusOf(LONG result) {
  return static_cast<reg::Status>(result);
}

const char* RootName(reg::Root root) {
  return root == reg::Root::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

}  // namespace

void TWinRegistry::Note(reg::Root root, const char* subKey) {
  std::string& text = lastKey_[root == reg::Root::CurrentUser ? 0 : 1];
  text = RootName(root);
  if (subKey != nullptr && *subKey != '\0') (text += '\\') += subKey;
}

reg::Status TWinRegistry::OpenKey(reg::Root root, const char* subKey, reg::Access desired,
                                  reg::Key& result) {
  HKEY key = nullptr;
  Note(root, subKey);
  const reg::Status status = StatusOf(::RegOpenKeyExA(RootKey(root), subKey, 0, desired, &key));
  if (status == reg::Status::Success) result = KeyOf(key);
  return status;
}

reg::Status TWinRegistry::CreateKey(reg::Root root, const char* subKey, reg::Access desired,
                                    reg::Key& result, bool* created) {
  Note(root, subKey);
  HKEY key = nullptr;
  DWORD disposition = 0;
  const reg::Status status =
      StatusOf(::RegCreateKeyExA(RootKey(root), subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 desired, nullptr, &key, &disposition));
  if (status == reg::Status::Success) {
    result = KeyOf(key);
    if (created) *created = disposition == REG_CREATED_NEW_KEY;
  }
  return status;
}

reg::Status TWinRegistry::QueryValue(reg::Key key, const char* name, reg::Type* type,
                                     std::uint8_t* data, std::uint32_t* size) {
  if (data != nullptr && size == nullptr) return reg::Status::InvalidParameter;
  DWORD stored = 0;
  DWORD bytes = size ? *size : 0;
  const LONG result = ::RegQueryValueExA(Handle(key), name, nullptr, type ? &stored : nullptr, data,
                                         size ? &bytes : nullptr);
  if (type && (result == ERROR_SUCCESS || result == ERROR_MORE_DATA)) {
    *type = static_cast<reg::Type>(stored);
  }
  if (size && (result == ERROR_SUCCESS || result == ERROR_MORE_DATA)) *size = bytes;
  return StatusOf(result);
}

reg::Status TWinRegistry::SetValue(reg::Key key, const char* name, reg::Type type,
                                   const std::uint8_t* data, std::uint32_t size) {
  if (data == nullptr && size != 0) return reg::Status::InvalidParameter;
  return StatusOf(::RegSetValueExA(Handle(key), name, 0, static_cast<DWORD>(type), data, size));
}

reg::Status TWinRegistry::CloseKey(reg::Key key) {
  return StatusOf(::RegCloseKey(Handle(key)));
}

std::string TWinRegistry::DescribeUnreadable(reg::Root root) const {
  const std::string& key = lastKey_[root == reg::Root::CurrentUser ? 0 : 1];
  return "the registry key '" + (key.empty() ? std::string(RootName(root)) : key) + "'";
}

}  // namespace gapwise
