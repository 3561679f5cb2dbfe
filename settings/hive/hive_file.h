// Reading a hive file without side effects, and saving it so that a crash leaves it whole.
#pragma once

#include <dirent.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/hive/hive.h"

namespace gapwise {

// The file-system calls that reading and saving a hive make, each passed on to the system. Tests
// derive from it to make any one call fail, or to stop the process there.
class THiveFileSystem {
 public:
  virtual ~THiveFileSystem() = default;

  int Open(const std::string& path, int flags, mode_t mode = 0);
  int MakeTemporary(std::string& pattern);  // mkostemp, close-on-exec
  ssize_t Read(int fd, void* buffer, std::size_t size);
  ssize_t Write(int fd, const void* data, std::size_t size, off_t offset);  // pwrite
  int Stat(const std::string& path, struct stat& info);
  int Fstat(int fd, struct stat& info);
  int Fchmod(int fd, mode_t mode);
  int Ftruncate(int fd, off_t size);
  int Fsync(int fd);
  int Flock(int fd, int operation);
  int Close(int fd);
  int Rename(const std::string& from, const std::string& to);
  int Unlink(const std::string& path);
  int Mkdir(const std::string& path, mode_t mode);
  int Readlink(const std::string& path, std::string& target);
  int Access(const std::string& path, int mode);
  DIR* OpenFolder(int fd);  // takes fd over only when it succeeds
  const dirent* NextEntry(DIR* folder);
  int CloseFolder(DIR* folder);

 protected:
  // Asked before each call, with its name; false makes the call fail with EIO instead.
  virtual bool Allow(const char* /*call*/) { return true; }
};

// The file system itself.
THiveFileSystem& SystemFileSystem();

enum class THiveRead { kOk, kMissing, kDenied, kBad, kFailed };

// kMissing when there is no such file (or no path), kDenied when it may not be read, kBad when
// it is not a regular file, is too large or cannot be parsed; then *badLine (when given) is the
// line at fault, 0 when no one line is. kFailed when a call reading it failed (an I/O error).
// Never blocks on a FIFO, never creates.
THiveRead ReadHiveFile(const std::string& path, THive& hive, THiveFileSystem& fs,
                       std::size_t* badLine = nullptr);

enum class THiveAccess { kAllowed, kDenied, kFailed };

// Whether this process may write the file that path names, or create it where it is missing, as
// a key's access rights would say: kFailed when a call asking failed (an I/O error). Symbolic
// links are followed.
THiveAccess MayWriteHiveFile(const std::string& path, THiveFileSystem& fs);

// Replaces the file that path names (following symbolic links, which stay) by bytes: written to
// ".<name>.tmp-XXXXXX" in the file's folder (created, mode 0700, when missing), locked from before
// it is filled until it has been renamed over the file, flushed, renamed and the folder flushed,
// so that a crash leaves the old bytes or the new ones; the file's mode stays. A temporary file
// that another save's clean-up removes before its lock is made anew while such saves go on, for
// half a minute at most.
//
// When any step of that is refused (no temporary file can be made, written or renamed over the
// file, as in a read-only folder, or in a sticky one where the file is someone else's) and the
// file exists, it is rewritten in place instead, under its lock, so that at every call the file
// loads with the old values or the new ones: a longer text first grows the file by blanks after
// the old text, the new text goes over it padded with blanks to the file's length and is flushed,
// and only then are the blanks cut off; a reader drops blanks that a save stopped there left. On
// failure of both ways the file loads with the old values, or with the new ones when only the
// in-place flush failed.
//
// After a save, the temporary files that crashed saves left beside the file and beside the link
// that path names are removed: those that no running save holds locked. One that a save made but
// had not yet locked may be removed too, and that save then makes another.
bool WriteHiveFile(const std::string& path, std::string_view bytes, THiveFileSystem& fs);

}  // namespace gapwise
