// Saving a hive file: through a temporary file renamed over it, else written over in place.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>

#include "settings/hive/hive_file_parts.h"

namespace gapwise {
namespace {

using hive_file::Base;
using hive_file::FollowLinks;
using hive_file::Parent;
using hive_file::TFd;

constexpr std::size_t kRandomLetters = 6;  // the XXXXXX of mkostemp
// How long a save goes on making temporary files that other saves' clean-ups remove.
constexpr std::chrono::seconds kRaceTime{30};

bool WriteAll(THiveFileSystem& fs, int fd, std::string_view bytes, off_t offset = 0) {
  while (!bytes.empty()) {
    const ssize_t done = fs.Write(fd, bytes.data(), bytes.size(), offset);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(done));
    offset += done;
  }
  return true;
}

bool MakeFolders(THiveFileSystem& fs, const std::string& folder) {
  struct stat info {};
  if (fs.Stat(folder, info) == 0) return S_ISDIR(info.st_mode);
  if (folder != Parent(folder) && !MakeFolders(fs, Parent(folder))) return false;
  return fs.Mkdir(folder, 0700) == 0 || errno == EEXIST;
}

// "<folder>/.<name>.tmp-": what every temporary file of that file starts with.
std::string TemporaryPrefix(const std::string& file) {
  return Parent(file) + "/." + Base(file) + ".tmp-";
}

bool IsTemporaryOf(std::string_view name, std::string_view prefix) {
  return name.size() == prefix.size() + kRandomLetters && name.starts_with(prefix) &&
         std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                     [](unsigned char c) { return std::isalnum(c) != 0; });
}

// A new temporary file beside file, creating the folder when it is missing.
int CreateTemporary(THiveFileSystem& fs, const std::string& file, std::string& temporary) {
  temporary = TemporaryPrefix(file) + "XXXXXX";
  const int fd = fs.MakeTemporary(temporary);
  if (fd >= 0 || errno != ENOENT || !MakeFolders(fs, Parent(file))) return fd;
  temporary = TemporaryPrefix(file) + "XXXXXX";
  return fs.MakeTemporary(temporary);
}

// Locks a new temporary file, then checks that it still has its name: another save's clean-up
// may have removed it before the lock, and from the lock on none can.
enum class TLocked { kYes, kRemoved, kFailed };
TLocked LockTemporary(THiveFileSystem& fs, int fd) {
  struct stat info {};
  if (fs.Flock(fd, LOCK_EX) != 0 || fs.Fstat(fd, info) != 0) return TLocked::kFailed;
  return info.st_nlink > 0 ? TLocked::kYes : TLocked::kRemoved;
}

// Blanks that fill size bytes after a text in the encoding of bytes; the reader drops them.
std::string Blanks(std::string_view bytes, std::size_t size) {
  if (!bytes.starts_with("\xFF\xFE")) return std::string(size, ' ');
  std::string blanks;
  for (std::size_t k = 0; k < size; ++k) blanks += k % 2 == 0 ? ' ' : '\0';
  return blanks;
}

// Writes the file over so that it loads with the old values or the new ones whenever the save
// stops (see WriteHiveFile). Other games' saves in place wait for the lock, where it can be had.
bool WriteInPlace(THiveFileSystem& fs, const std::string& file, std::string_view bytes) {
  TFd fd(fs, fs.Open(file, O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.Get() < 0) return false;
  fs.Flock(fd.Get(), LOCK_EX);
  struct stat info {};  // as the lock's last holder left it
  if (fs.Fstat(fd.Get(), info) != 0 || !S_ISREG(info.st_mode)) return false;
  const std::size_t old = static_cast<std::size_t>(info.st_size);
  if (bytes.size() > old &&
      !WriteAll(fs, fd.Get(), Blanks(bytes, bytes.size() - old), info.st_size)) {
    fs.Ftruncate(fd.Get(), info.st_size);
    return false;
  }
  std::string padded(bytes);
  padded += Blanks(bytes, std::max(old, bytes.size()) - bytes.size());
  if (!WriteAll(fs, fd.Get(), padded) || fs.Fsync(fd.Get()) != 0) return false;
  if (padded.size() > bytes.size() &&
      fs.Ftruncate(fd.Get(), static_cast<off_t>(bytes.size())) == 0) {
    fs.Fsync(fd.Get());  // the new values stand already; this only drops the blanks for good
  }
  return true;
}

// Removes the temporary files of name in its folder that no save holds locked: a save that
// still runs holds its own locked, the lock of a crashed one is gone.
void RemoveStaleTemporaries(THiveFileSystem& fs, const std::string& name) {
  TFd fd(fs, fs.Open(Parent(name), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  DIR* folder = fd.Get() < 0 ? nullptr : fs.OpenFolder(fd.Get());
  if (folder == nullptr) return;
  fd.Release();
  const std::string namePrefix = Base(TemporaryPrefix(name));
  while (const dirent* entry = fs.NextEntry(folder)) {
    if (!IsTemporaryOf(entry->d_name, namePrefix)) continue;
    const std::string path = Parent(name) + "/" + entry->d_name;
    const TFd stale(fs, fs.Open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (stale.Get() >= 0 && fs.Flock(stale.Get(), LOCK_EX | LOCK_NB) == 0) fs.Unlink(path);
  }
  fs.CloseFolder(folder);
}

// Flushes the folder, so that a rename in it lasts.
void FlushFolder(THiveFileSystem& fs, const std::string& file) {
  const TFd fd(fs, fs.Open(Parent(file), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) fs.Fsync(fd.Get());
}

// Fills the locked temporary file and renames it over file, or removes it.
bool ReplaceFile(THiveFileSystem& fs, TFd& fd, const std::string& temporary,
                 const std::string& file, mode_t mode, std::string_view bytes) {
  if (fs.Fchmod(fd.Get(), mode) != 0 || !WriteAll(fs, fd.Get(), bytes) || fs.Fsync(fd.Get()) != 0 ||
      fs.Rename(temporary, file) != 0) {
    fs.Unlink(temporary);
    return false;
  }
  fs.Close(fd.Release());
  FlushFolder(fs, file);
  return true;
}

// The save through a temporary file. A temporary file is removed before its lock only by the
// clean-up of another save that has just renamed its own: while others make such progress,
// another is made, for kRaceTime at most.
bool SaveAtomically(THiveFileSystem& fs, const std::string& file, mode_t mode,
                    std::string_view bytes) {
  const auto deadline = std::chrono::steady_clock::now() + kRaceTime;
  do {
    std::string temporary;
    TFd fd(fs, CreateTemporary(fs, file, temporary));
    if (fd.Get() < 0) return false;
    switch (LockTemporary(fs, fd.Get())) {
      case TLocked::kYes:
        return ReplaceFile(fs, fd, temporary, file, mode, bytes);
      case TLocked::kFailed:
        fs.Unlink(temporary);
        return false;
      case TLocked::kRemoved:
        break;
    }
  } while (std::chrono::steady_clock::now() < deadline);
  return false;
}

}  // namespace

bool WriteHiveFile(const std::string& path, std::string_view bytes, THiveFileSystem& fs) {
  std::string file;
  if (path.empty() || !FollowLinks(fs, path, file)) return false;
  struct stat old {};
  const bool exists = fs.Stat(file, old) == 0;
  if (!exists && errno != ENOENT) return false;
  if (!SaveAtomically(fs, file, exists ? old.st_mode & 07777 : 0600, bytes) &&
      !(exists && WriteInPlace(fs, file, bytes))) {
    return false;
  }
  RemoveStaleTemporaries(fs, file);
  if (path != file) RemoveStaleTemporaries(fs, path);
  return true;
}

}  // namespace gapwise
