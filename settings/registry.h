// The registry as the settings store uses it: keys under two roots holding typed values, opened,
// read, written and closed with the calls, types, sizes and results of the Windows registry.
#pragma once

#include <cstdint>
#include <string>

namespace gapwise::reg {

enum class Root : std::uint8_t { CurrentUser, LocalMachine };

// Results, with the values the Windows registry gives.
enum class Status : std::int32_t {
  Success = 0,
  NotFound = 2,
  AccessDenied = 5,
  InvalidHandle = 6,
  InvalidParameter = 87,
  BadPathname = 161,
  MoreData = 234,
  BadDatabase = 1009,  // the store behind the root cannot be read
  CantRead = 1012,
  CantWrite = 1013,
};

// Value types; a stored value may have any other number as its type.
enum class Type : std::uint32_t {
  None = 0,
  String = 1,
  ExpandString = 2,
  Binary = 3,
  Dword = 4,
  MultiString = 7,
};

// Access rights, as the Windows registry numbers them.
using Access = std::uint32_t;
inline constexpr Access kQueryValue = 0x0001;
inline constexpr Access kSetValue = 0x0002;
inline constexpr Access kCreateSubKey = 0x0004;
inline constexpr Access kEnumerateSubKeys = 0x0008;
inline constexpr Access kNotify = 0x0010;
inline constexpr Access kCreateLink = 0x0020;
inline constexpr Access kRead = 0x20019;
inline constexpr Access kWrite = 0x20006;
inline constexpr Access kAllAccess = 0xF003F;
// The rights that change the registry: set value, create subkey, create link, delete, DAC, owner.
inline constexpr Access kWriteRights = 0x0002 | 0x0004 | 0x0020 | 0x10000 | 0x40000 | 0x80000;

// An open key; 0 is none.
using Key = std::uintptr_t;

class IRegistry {
 public:
  virtual ~IRegistry() = default;

  // subKey is relative to the root, without a leading backslash. A missing key is NotFound; a
  // store that cannot be read is BadDatabase.
  virtual Status OpenKey(Root root, const char* subKey, Access desired, Key& result) = 0;
  // Creates the key and the keys above it when missing; created (when given) says whether it did.
  virtual Status CreateKey(Root root, const char* subKey, Access desired, Key& result,
                           bool* created = nullptr) = 0;
  // Without data: the type and size. With data: MoreData (and the size needed) when *size is
  // too small, else the bytes. An empty name is the key's default value.
  virtual Status QueryValue(Key key, const char* name, Type* type, std::uint8_t* data,
                            std::uint32_t* size) = 0;
  virtual Status SetValue(Key key, const char* name, Type type, const std::uint8_t* data,
                          std::uint32_t size) = 0;
  virtual Status CloseKey(Key key) = 0;

  // What to tell the user when the values under root cannot be read (BadDatabase): the store
  // and, where one line is at fault, that line.
  virtual std::string DescribeUnreadable(Root root) const = 0;
};

}  // namespace gapwise::reg
