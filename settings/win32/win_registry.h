// The registry over the Windows registry itself (advapi32): the keys of the current user and of
// the local machine, as every other program on the system sees them.
#pragma once

#include <string>

#include "settings/registry.h"

namespace gapwise {

// Each call is the advapi32 call of the same name (RegOpenKeyExW, RegCreateKeyExW,
// RegQueryValueExW, RegSetValueExW, RegCloseKey), with its result as the Status of the same
// number; names and string values are UTF-8 here, UTF-16 in the registry, so that a folder's name
// reads right whatever the system's code page: a missing key is NotFound, a hive that the system cannot read (ERROR_BADDB) is
// BadDatabase. A Key is the system's key handle. Writes reach the registry as they are made; a
// key is closed without a flush.
class TWinRegistry : public reg::IRegistry {
 public:
  reg::Status OpenKey(reg::Root root, const char* subKey, reg::Access desired,
                      reg::Key& result) override;
  reg::Status CreateKey(reg::Root root, const char* subKey, reg::Access desired, reg::Key& result,
                        bool* created = nullptr) override;
  reg::Status QueryValue(reg::Key key, const char* name, reg::Type* type, std::uint8_t* data,
                         std::uint32_t* size) override;
  reg::Status SetValue(reg::Key key, const char* name, reg::Type type, const std::uint8_t* data,
                       std::uint32_t size) override;
  reg::Status CloseKey(reg::Key key) override;
  // "the registry key 'HKEY_CURRENT_USER\Software\...'": the key last opened or created under
  // root, the root alone before any.
  std::string DescribeUnreadable(reg::Root root) const override;

 private:
  void Note(reg::Root root, const char* subKey);

  std::string lastKey_[2];  // by root (user, machine): the full path of the key last asked for
};

}  // namespace gapwise
