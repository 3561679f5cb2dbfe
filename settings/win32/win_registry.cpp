// The backend's one file that includes <windows.h>: the advapi32 calls, with the registry
// interface's results and rights translated at its edge. The value types are numbered as the
// system numbers them, which the asserts below hold to.
#include "settings/win32/win_registry.h"

#include <windows.h>

#include <cstring>
#include <string_view>
#include <utility>

#include "settings/text_codec.h"

namespace gapwise {
namespace {

static_assert(sizeof(HKEY) <= sizeof(reg::Key));

static_assert(static_cast<DWORD>(reg::Type::None) == REG_NONE &&
              static_cast<DWORD>(reg::Type::String) == REG_SZ &&
              static_cast<DWORD>(reg::Type::ExpandString) == REG_EXPAND_SZ &&
              static_cast<DWORD>(reg::Type::Binary) == REG_BINARY &&
              static_cast<DWORD>(reg::Type::Dword) == REG_DWORD &&
              static_cast<DWORD>(reg::Type::MultiString) == REG_MULTI_SZ);
// The interface's rights as the system's.
REGSAM SamOf(reg::Access access) {
  constexpr std::pair<reg::Access, REGSAM> kRights[] = {
      {reg::kQueryValue, KEY_QUERY_VALUE},
      {reg::kSetValue, KEY_SET_VALUE},
      {reg::kCreateSubKey, KEY_CREATE_SUB_KEY},
      {reg::kEnumerateSubKeys, KEY_ENUMERATE_SUB_KEYS},
      {reg::kNotify, KEY_NOTIFY},
      {reg::kCreateLink, KEY_CREATE_LINK},
      {reg::kDelete, DELETE},
      {reg::kReadControl, READ_CONTROL},
      {reg::kWriteDac, WRITE_DAC},
      {reg::kWriteOwner, WRITE_OWNER},
  };
  REGSAM sam = 0;
  for (const auto& [right, system] : kRights) {
    if (access & right) sam |= system;
  }
  return sam;
}

HKEY RootKey(reg::Root root) {
  return root == reg::Root::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

HKEY Handle(reg::Key key) {
  return reinterpret_cast<HKEY>(key);
}

reg::Key KeyOf(HKEY key) {
  return reinterpret_cast<reg::Key>(key);
}

// The system's result as the interface's.
reg::Status StatusOf(LONG result) {
  switch (result) {
    case ERROR_SUCCESS:
      return reg::Status::Success;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return reg::Status::NotFound;
    case ERROR_ACCESS_DENIED:
      return reg::Status::AccessDenied;
    case ERROR_INVALID_HANDLE:
      return reg::Status::InvalidHandle;
    case ERROR_INVALID_PARAMETER:
      return reg::Status::InvalidParameter;
    case ERROR_BAD_PATHNAME:
      return reg::Status::BadPathname;
    case ERROR_MORE_DATA:
      return reg::Status::MoreData;
    case ERROR_BADDB:
      return reg::Status::BadDatabase;
    case ERROR_CANTREAD:
      return reg::Status::CantRead;
    case ERROR_CANTWRITE:
      return reg::Status::CantWrite;
    default:
      return reg::Status::Failed;
  }
}

// Names and strings are UTF-8 here and UTF-16 in the registry: the wide calls take every name
// and folder whatever the system's code page.
std::wstring Wide(const char* utf8) {
  if (utf8 == nullptr) return {};
  const std::string bytes = Utf8ToUtf16Le(utf8);
  std::wstring wide(bytes.size() / 2, L'\0');
  std::memcpy(wide.data(), bytes.data(), wide.size() * sizeof(wchar_t));
  return wide;
}

const wchar_t* OrNull(const char* name, const std::wstring& wide) {
  return name == nullptr ? nullptr : wide.c_str();
}

bool IsText(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// UTF-16 data as UTF-8, its terminating nulls included; an odd last byte is dropped and a unit
// that is no character becomes U+FFFD.
std::string Utf8Data(std::string_view utf16) {
  utf16 = utf16.substr(0, utf16.size() & ~std::size_t{1});
  if (std::optional<std::string> text = Utf16LeToUtf8(utf16)) return *std::move(text);
  std::string text;
  for (std::size_t i = 0; i < utf16.size(); i += 2) {
    const std::optional<std::string> one = Utf16LeToUtf8(utf16.substr(i, 2));
    text += one ? *one : "\xEF\xBF\xBD";
  }
  return text;
}

// A value's type and data as the registry holds them, strings converted to UTF-8.
LONG ReadValue(HKEY key, const wchar_t* name, DWORD& type, std::string& data) {
  DWORD bytes = 0;
  LONG result = ::RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes);
  while (result == ERROR_SUCCESS) {
    data.resize(bytes);
    result =
        ::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &bytes);
    if (result == ERROR_SUCCESS) data.resize(bytes);
    if (result != ERROR_MORE_DATA) break;
    result = ERROR_SUCCESS;
  }
  if (result == ERROR_SUCCESS && IsText(type)) data = Utf8Data(data);
  return result;
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
  const std::wstring wide = Wide(subKey);
  const reg::Status status =
      StatusOf(::RegOpenKeyExW(RootKey(root), OrNull(subKey, wide), 0, SamOf(desired), &key));
  if (status == reg::Status::Success) result = KeyOf(key);
  return status;
}

reg::Status TWinRegistry::CreateKey(reg::Root root, const char* subKey, reg::Access desired,
                                    reg::Key& result, bool* created) {
  Note(root, subKey);
  HKEY key = nullptr;
  DWORD disposition = 0;
  const std::wstring wide = Wide(subKey);
  const reg::Status status = StatusOf(
      ::RegCreateKeyExW(RootKey(root), OrNull(subKey, wide), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        SamOf(desired), nullptr, &key, &disposition));
  if (status == reg::Status::Success) {
    result = KeyOf(key);
    if (created) *created = disposition == REG_CREATED_NEW_KEY;
  }
  return status;
}

reg::Status TWinRegistry::QueryValue(reg::Key key, const char* name, reg::Type* type,
                                     std::uint8_t* data, std::uint32_t* size) {
  if (data != nullptr && size == nullptr) return reg::Status::InvalidParameter;
  const std::wstring wide = Wide(name);
  DWORD stored = 0;
  std::string value;
  const LONG result = ReadValue(Handle(key), OrNull(name, wide), stored, value);
  if (result != ERROR_SUCCESS) return StatusOf(result);
  if (type) *type = static_cast<reg::Type>(stored);
  if (size == nullptr) return reg::Status::Success;
  const bool fits = data == nullptr || value.size() <= *size;
  if (data != nullptr && fits) std::memcpy(data, value.data(), value.size());
  *size = static_cast<std::uint32_t>(value.size());
  return fits ? reg::Status::Success : reg::Status::MoreData;
}

reg::Status TWinRegistry::SetValue(reg::Key key, const char* name, reg::Type type,
                                   const std::uint8_t* data, std::uint32_t size) {
  if (data == nullptr && size != 0) return reg::Status::InvalidParameter;
  const std::wstring wide = Wide(name);
  std::string bytes = data ? std::string(reinterpret_cast<const char*>(data), size) : "";
  if (IsText(static_cast<DWORD>(type))) bytes = Utf8ToUtf16Le(bytes);
  return StatusOf(::RegSetValueExW(Handle(key), OrNull(name, wide), 0, static_cast<DWORD>(type),
                                   reinterpret_cast<const BYTE*>(bytes.data()),
                                   static_cast<DWORD>(bytes.size())));
}

reg::Status TWinRegistry::CloseKey(reg::Key key) {
  return StatusOf(::RegCloseKey(Handle(key)));
}

std::string TWinRegistry::DescribeUnreadable(reg::Root root) const {
  const std::string& key = lastKey_[root == reg::Root::CurrentUser ? 0 : 1];
  return "the registry key '" + (key.empty() ? std::string(RootName(root)) : key) + "'";
}

}  // namespace gapwise
