// A registry over hive files: the user's values in a file of their own, the machine's beside the
// program.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/hive/hive.h"
#include "settings/hive/hive_file.h"
#include "settings/registry.h"

namespace gapwise {

// The hive file behind each root: the current user's is read and written, the local machine's is
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
// (BadDatabase); a write that would make the file larger than kMaxHiveBytes fails (CantWrite)
// and is left out of the save. Closing a key saves what was created or written through it:
// BadDatabase when the hive file can no longer be parsed, CantRead when reading it failed (an
// I/O error), CantWrite when the save fails; the file is then left as it was. Opening a key for
// writing, or creating it, gives CantRead too when a call asking whether the file may be written
// fails.
class THiveRegistry : public reg::IRegistry {
 public:
  explicit THiveRegistry(THivePaths paths, THiveFileSystem& fs = SystemFileSystem());

  reg::Status OpenKey(reg::Root root, const char* subKey, reg::Access desired,
                      reg::Key& result) override;
  reg::Status CreateKey(reg::Root root, const char* subKey, reg::Access desired, reg::Key& result,
                        bool* created = nullptr) override;
  reg::Status QueryValue(reg::Key key, const char* name, reg::Type* type, std::uint8_t* data,
                         std::uint32_t* size) override;
  reg::Status SetValue(reg::Key key, const char* name, reg::Type type, const std::uint8_t* data,
                       std::uint32_t size) override;
  reg::Status CloseKey(reg::Key key) override;
  // "the settings file '<path>' (line N)".
  std::string DescribeUnreadable(reg::Root root) const override;

  std::size_t OpenKeyCount() const { return keys_.size(); }
  const THivePaths& Paths() const { return paths_; }
  // The line at fault in the hive file behind root when it last gave BadDatabase, counted from
  // 1; 0 when the file as a whole was at fault (not a regular file, too large, a read error).
  std::size_t BadLine(reg::Root root) const { return badLine_[IsUser(root)]; }

 private:
  struct TOpenKey {
    bool User = true;
    std::string Path;
    reg::Access Access = 0;
    THive Hive;                                              // as opened, with the writes
    bool Created = false;                                    // missing from the file at open
    std::vector<std::pair<std::string, THiveValue>> Writes;  // in their order
  };
  static bool IsUser(reg::Root root) { return root == reg::Root::CurrentUser; }
  static reg::Status Resolve(reg::Root root, const char* subKey, TOpenKey& target);
  const std::string& FileOf(bool user) const;
  THiveRead Read(bool user, THive& hive);
  reg::Status MayWrite(bool user);
  reg::Status Save(const TOpenKey& key);
  reg::Key Add(TOpenKey key);

  THivePaths paths_;
  THiveFileSystem* fs_;
  std::map<reg::Key, TOpenKey> keys_;
  reg::Key next_ = 1;
  std::size_t badLine_[2] = {};  // by root: machine, user
};

}  // namespace gapwise
