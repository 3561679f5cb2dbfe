// The registry as the settings store uses it: keys under two roots holding typed values, opened,
// read, written and closed with the calls, types and sizes of the Windows registry. Results and
// access rights are the program's own; each backend translates its system's at its edge. The
// value types are numbered as the registry's files store them.
#pragma once

#include <cstdint>
#include <string>

namespace gapwise::reg {

enum class Root : std::uint8_t { CurrentUser, LocalMachine };

// Results.
enum class Status : std::uint8_t {
  Success,
  NotFound,          // no such key or value
  AccessDenied,      // refused
  InvalidHandle,     // no such open key
  InvalidParameter,  // a call that cannot be answered as asked
  BadPathname,       // a key name that names no key
  MoreData,          // the buffer is too small
  BadDatabase,       // the store behind the root cannot be read
  CantRead,          // reading failed this time
  CantWrite,         // writing failed
  Failed,            // any other failure of the store
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

// Access rights: one bit each.
using Access = std::uint32_t;
inline constexpr Access kQueryValue = 1u << 0;
inline constexpr Access kSetValue = 1u << 1;
inline constexpr Access kCreateSubKey = 1u << 2;
inline constexpr Access kEnumerateSubKeys = 1u << 3;
inline constexpr Access kNotify = 1u << 4;
inline constexpr Access kCreateLink = 1u << 5;
inline constexpr Access kDelete = 1u << 6;
inline constexpr Access kReadControl = 1u << 7;
inline constexpr Access kWriteDac = 1u << 8;
inline constexpr Access kWriteOwner = 1u << 9;
inline constexpr Access kRead = kQueryValue | kEnumerateSubKeys | kNotify | kReadControl;
inline constexpr Access kWrite = kSetValue | kCreateSubKey | kReadControl;
inline constexpr Access kAllAccess =
    kRead | kWrite | kCreateLink | kDelete | kWriteDac | kWriteOwner;
// The rights that change the registry.
inline constexpr Access kWriteRights =
    kSetValue | kCreateSubKey | kCreateLink | kDelete | kWriteDac | kWriteOwner;

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
