// A registry over hive files, with the calls, access rights and result codes of the Win32 API.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/hive.h"
#include "settings/hive_file.h"
#include "settings/registry_defs.h"

namespace gapwise {

// The hive file behind each root: HKEY_CURRENT_USER is read and written, HKEY_LOCAL_MACHINE is
// only read. An empty path is a hive that does not exist.
struct THivePaths {
  std::string CurrentUser;
  std::string LocalMachine;
};

// An open key sees its hive as it stood when the key was opened, and its own writes. A key's
// creation and writes reach the hive file together when the key is closed, in one atomic save
// over the file's contents at that moment, so whatever else it holds stays; a key never closed
// saves nothing. Write access to a hive file that the process may not write is denied, as a
// key's ACL would deny it. A hive file that cannot be parsed makes every key in it fail to open
// (ERROR_BADDB); a write that would make the file larger than kMaxHiveBytes fails
// (ERROR_CANTWRITE) and is left out of the save.
class TRegistry {
 public:
  explicit TRegistry(THivePaths paths, THiveFileSystem& fs = SystemFileSystem());

  // subKey has no leading backslash; a missing key gives ERROR_FILE_NOT_FOUND.
  LONG RegOpenKeyEx(HKEY key, const char* subKey, DWORD options, REGSAM desired, HKEY* result);
  // Creates the key and the keys above it when missing; disposition may be null.
  LONG RegCreateKeyEx(HKEY key, const char* subKey, DWORD reserved, char* keyClass, DWORD options,
                      REGSAM desired, const void* security, HKEY* result, DWORD* disposition);
  // Without data: type and size. With data: ERROR_MORE_DATA (and the size needed) when *size
  // is too small, else the bytes. A null or empty name is the default value.
  LONG RegQueryValueEx(HKEY key, const char* name, DWORD* reserved, DWORD* type, std::uint8_t* data,
                       DWORD* size);
  LONG RegSetValueEx(HKEY key, const char* name, DWORD reserved, DWORD type,
                     const std::uint8_t* data, DWORD size);
  // Saves what was created or written through the key: ERROR_BADDB when the hive file can no
  // longer be read, ERROR_CANTWRITE when the save fails; the file is then left as it was.
  LONG RegCloseKey(HKEY key);

  std::size_t OpenKeyCount() const { return keys_.size(); }
  const THivePaths& Paths() const { return paths_; }
  // The line at fault in the hive file behind root when it last gave ERROR_BADDB, counted from
  // 1; 0 when the file as a whole was at fault (not a regular file, too large, a read error).
  std::size_t BadLine(HKEY root) const { return badLine_[root == HKEY_CURRENT_USER]; }

 private:
  struct TOpenKey {
    bool User = true;
    std::string Path;
    REGSAM Access = 0;
    THive Hive;                                              // as opened, with the writes
    bool Created = false;                                    // missing from the file at open
    std::vector<std::pair<std::string, THiveValue>> Writes;  // in their order
  };
  LONG Resolve(HKEY key, const char* subKey, TOpenKey& target, REGSAM& parentAccess) const;
  const std::string& FileOf(bool user) const;
  THiveRead Read(bool user, THive& hive);
  LONG Save(const TOpenKey& key);
  HKEY Add(TOpenKey key);

  THivePaths paths_;
  THiveFileSystem* fs_;
  std::map<HKEY, TOpenKey> keys_;
  HKEY next_ = 1;
  std::size_t badLine_[2] = {};  // by root: machine, user
};

}  // namespace gapwise
