#include "settings/hive_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <utility>

namespace gapwise {
namespace {

constexpr int kMaxLinks = 40;              // as the kernel follows them
constexpr std::size_t kRandomLetters = 6;  // the XXXXXX of mkostemp
constexpr int kAttempts = 5;  // temporary files a save makes when other saves' clean-ups remove it

class TFd {
 public:
  TFd(THiveFileSystem& fs, int fd) : fs_(fs), fd_(fd) {}
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  ~TFd() {
    if (fd_ >= 0) fs_.Close(fd_);
  }
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  THiveFileSystem& fs_;
  int fd_;
};

bool ReadAtMost(THiveFileSystem& fs, int fd, std::size_t limit, std::string& bytes) {
  char buffer[65536];
  while (bytes.size() <= limit) {
    const ssize_t got = fs.Read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  return false;
}

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

std::string Parent(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Base(const std::string& path) {
  return path.substr(path.rfind('/') + 1);
}

// The file that path names once symbolic links are followed; it need not exist.
bool FollowLinks(THiveFileSystem& fs, std::string path, std::string& file) {
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    std::string next;
    if (fs.Readlink(path, next) != 0) {
      file = std::move(path);
      return errno == EINVAL || errno == ENOENT;
    }
    path = next.starts_with('/') ? next : Parent(path) + "/" + next;
  }
  return false;
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

// Blanks that fill size bytes after a text in the encoding of bytes; the reader skips them.
std::string Blanks(std::string_view bytes, std::size_t size) {
  if (!bytes.starts_with("\xFF\xFE")) return std::string(size, ' ');
  std::string blanks;
  for (std::size_t k = 0; k < size; ++k) blanks += k % 2 == 0 ? ' ' : '\0';
  return blanks;
}

// For a folder where no temporary file can be made: the file is written over so that it loads
// with the old values or the new ones whenever the save stops (see WriteHiveFile).
bool WriteInPlace(THiveFileSystem& fs, const std::string& file, std::string_view bytes) {
  TFd fd(fs, fs.Open(file, O_WRONLY | O_CLOEXEC));
  struct stat info {};
  if (fd.Get() < 0 || fs.Fstat(fd.Get(), info) != 0 || !S_ISREG(info.st_mode)) return false;
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

// A save that still runs holds its temporary file locked; the lock of a crashed one is gone.
void RemoveStaleTemporaries(THiveFileSystem& fs, DIR* folder, const std::string& file) {
  const std::string namePrefix = Base(TemporaryPrefix(file));
  while (const dirent* entry = fs.NextEntry(folder)) {
    if (!IsTemporaryOf(entry->d_name, namePrefix)) continue;
    const std::string path = Parent(file) + "/" + entry->d_name;
    const TFd stale(fs, fs.Open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (stale.Get() >= 0 && fs.Flock(stale.Get(), LOCK_EX | LOCK_NB) == 0) fs.Unlink(path);
  }
}

// Flushes the folder, so that the rename lasts, then clears up after crashed saves.
void FinishFolder(THiveFileSystem& fs, const std::string& file) {
  TFd fd(fs, fs.Open(Parent(file), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() < 0) return;
  fs.Fsync(fd.Get());
  DIR* folder = fs.OpenFolder(fd.Get());
  if (folder == nullptr) return;
  fd.Release();
  RemoveStaleTemporaries(fs, folder, file);
  fs.CloseFolder(folder);
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
  FinishFolder(fs, file);
  return true;
}

}  // namespace

THiveRead ReadHiveFile(const std::string& path, THive& hive, THiveFileSystem& fs,
                       std::size_t* badLine) {
  if (badLine) *badLine = 0;
  if (path.empty()) return THiveRead::kMissing;
  const TFd fd(fs, fs.Open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.Get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return THiveRead::kMissing;
    return errno == EACCES || errno == EPERM ? THiveRead::kDenied : THiveRead::kBad;
  }
  struct stat info {};
  if (fs.Fstat(fd.Get(), info) != 0 || !S_ISREG(info.st_mode)) return THiveRead::kBad;
  if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > kMaxHiveBytes) {
    return THiveRead::kBad;
  }
  std::string bytes;
  if (!ReadAtMost(fs, fd.Get(), kMaxHiveBytes, bytes)) return THiveRead::kBad;
  auto parsed = THive::Parse(bytes, badLine);
  if (!parsed) return THiveRead::kBad;
  hive = std::move(*parsed);
  return THiveRead::kOk;
}

bool MayWriteHiveFile(const std::string& path, THiveFileSystem& fs) {
  std::string file;
  if (path.empty() || !FollowLinks(fs, path, file)) return false;
  if (fs.Access(file, W_OK) == 0) return true;
  // A missing file may be made where the nearest folder that exists is writable.
  for (std::string folder = file; errno == ENOENT && folder != Parent(folder);) {
    folder = Parent(folder);
    if (fs.Access(folder, W_OK | X_OK) == 0) return true;
  }
  return false;
}

bool WriteHiveFile(const std::string& path, std::string_view bytes, THiveFileSystem& fs) {
  std::string file;
  if (path.empty() || !FollowLinks(fs, path, file)) return false;
  struct stat old {};
  const bool exists = fs.Stat(file, old) == 0;
  if (!exists && errno != ENOENT) return false;
  const mode_t mode = exists ? old.st_mode & 07777 : 0600;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::string temporary;
    TFd fd(fs, CreateTemporary(fs, file, temporary));
    if (fd.Get() < 0) {
      return (errno == EACCES || errno == EPERM) && exists && WriteInPlace(fs, file, bytes);
    }
    switch (LockTemporary(fs, fd.Get())) {
      case TLocked::kRemoved:
        continue;
      case TLocked::kYes:
        return ReplaceFile(fs, fd, temporary, file, mode, bytes);
      case TLocked::kFailed:
        break;
    }
    fs.Unlink(temporary);
    return false;
  }
  return false;
}

}  // namespace gapwise
