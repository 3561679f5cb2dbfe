// A registry over hive files: the user's values in a file of their own, the machine's beside the
// program.
#pragma once

#include <string>

#include "settings/hive/hive_file.h"
#include "settings/hive/hive_keys.h"

namespace gapwise {

// The hive file behind each root: the current user's is read and written, the local machine's is
// only read. An empty path is a hive that does not exist.
struct THivePaths {
  std::string CurrentUser;
  std::string LocalMachine;
};

// Keys as THiveKeys keeps them, each save one atomic save over the file's contents at that
// moment. Write access to a hive file that the process may not write is denied, as a
// key's ACL would deny it. A hive file that cannot be parsed makes every key in it fail to open
// (BadDatabase); a write that would make the file larger than kMaxHiveBytes fails (CantWrite)
// and is left out of the save. Closing a key saves what was created or written through it:
// BadDatabase when the hive file can no longer be parsed, CantRead when reading it failed (an
// I/O error), CantWrite when the save fails; the file is then left as it was. Opening a key for
// writing, or creating it, gives CantRead too when a call asking whether the file may be written
// fails.
class THiveRegistry : public THiveKeys {
 public:
  explicit THiveRegistry(THivePaths paths, THiveFileSystem& fs = SystemFileSystem());

  // "the settings file '<path>' (line N)".
  std::string DescribeUnreadable(reg::Root root) const override;
  const THivePaths& Paths() const { return paths_; }

 protected:
  reg::Status ReadHive(bool user, THive& hive, std::size_t& badLine) override;
  reg::Status MayWrite(bool user) override;
  bool WriteHive(bool user, const std::string& text) override;

 private:
  const std::string& FileOf(bool user) const;

  THivePaths paths_;
  THiveFileSystem* fs_;
};

}  // namespace gapwise
