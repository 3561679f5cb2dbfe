#include "settings/hive_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>

namespace gapwise {
namespace {

class TFd {
 public:
  explicit TFd(int fd) : fd_(fd) {}
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  ~TFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

bool ReadAtMost(int fd, std::size_t limit, std::string& bytes) {
  char buffer[65536];
  while (bytes.size() <= limit) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  return false;
}

std::string Parent(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool MakeFolders(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  if (folder != Parent(folder) && !MakeFolders(Parent(folder))) return false;
  return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

std::string Resolved(const std::string& path) {
  char* real = ::realpath(path.c_str(), nullptr);
  if (real == nullptr) return path;
  std::string out = real;
  std::free(real);
  return out;
}

void SyncFolder(const std::string& folder) {
  const TFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) ::fsync(fd.Get());
}

// Writes, flushes and closes the temporary file; the caller removes it on failure.
bool FillTemporary(TFd& fd, const std::string& target, std::string_view bytes,
                   const THiveWriter& write) {
  struct stat old {};
  const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0600;
  if (::fchmod(fd.Get(), mode) != 0) return false;
  if (!write(fd.Get(), bytes) || ::fsync(fd.Get()) != 0) return false;
  return ::close(fd.Release()) == 0;
}

}  // namespace

THiveRead ReadHiveFile(const std::string& path, THive& hive) {
  if (path.empty()) return THiveRead::kMissing;
  const TFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.Get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return THiveRead::kMissing;
    return errno == EACCES || errno == EPERM ? THiveRead::kDenied : THiveRead::kBad;
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return THiveRead::kBad;
  if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > kMaxHiveBytes) {
    return THiveRead::kBad;
  }
  std::string bytes;
  if (!ReadAtMost(fd.Get(), kMaxHiveBytes, bytes)) return THiveRead::kBad;
  auto parsed = THive::Parse(bytes);
  if (!parsed) return THiveRead::kBad;
  hive = std::move(*parsed);
  return THiveRead::kOk;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t done = ::write(fd, bytes.data(), bytes.size());
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(done));
  }
  return true;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           const THiveWriter& write) {
  if (path.empty()) return false;
  const std::string target = Resolved(path);
  const std::string folder = Parent(target);
  if (!MakeFolders(folder)) return false;
  std::string temporary = target + ".XXXXXX";
  TFd fd(::mkostemp(temporary.data(), O_CLOEXEC));
  if (fd.Get() < 0) return false;
  if (!FillTemporary(fd, target, bytes, write) ||
      ::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace gapwise
