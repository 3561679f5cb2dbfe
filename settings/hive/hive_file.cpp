#include "settings/hive/hive_file.h"

#include <fcntl.h>
#include <unistd.h>

#include "settings/hive/hive_file_parts.h"

namespace gapwise {
namespace {

using hive_file::FollowLinks;
using hive_file::Parent;
using hive_file::TFd;

bool ReadAtMost(THiveFileSystem& fs, int fd, std::size_t limit, std::string& bytes) {
  char buffer[65536];
  while (bytes.size() <= limit) {
    const ssize_t got = fs.Read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  errno = EFBIG;
  return false;
}

// What a call that may not go on to the file says of it: the file is not there, may not be
// used so, or is not a file that can be read (a link loop, a device); anything else is a
// failure of the call itself, such as an I/O error.
THiveRead OpenError(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return THiveRead::kMissing;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return THiveRead::kDenied;
    case ELOOP:
    case ENXIO:
    case ENODEV:
    case EOVERFLOW:
    case ENAMETOOLONG:
      return THiveRead::kBad;
    default:
      return THiveRead::kFailed;
  }
}

THiveAccess AccessError(int error) {
  switch (OpenError(error)) {
    case THiveRead::kFailed:
      return THiveAccess::kFailed;
    default:
      return THiveAccess::kDenied;
  }
}

}  // namespace

THiveRead ReadHiveFile(const std::string& path, THive& hive, THiveFileSystem& fs,
                       std::size_t* badLine) {
  if (badLine) *badLine = 0;
  if (path.empty()) return THiveRead::kMissing;
  const TFd fd(fs, fs.Open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.Get() < 0) return OpenError(errno);
  struct stat info {};
  if (fs.Fstat(fd.Get(), info) != 0) return THiveRead::kFailed;
  if (!S_ISREG(info.st_mode)) return THiveRead::kBad;
  if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > kMaxHiveBytes) {
    return THiveRead::kBad;
  }
  std::string bytes;
  if (!ReadAtMost(fs, fd.Get(), kMaxHiveBytes, bytes)) {
    return errno == EFBIG ? THiveRead::kBad : THiveRead::kFailed;
  }
  auto parsed = THive::Parse(bytes, badLine);
  if (!parsed) return THiveRead::kBad;
  hive = std::move(*parsed);
  return THiveRead::kOk;
}

THiveAccess MayWriteHiveFile(const std::string& path, THiveFileSystem& fs) {
  std::string file;
  if (path.empty()) return THiveAccess::kDenied;
  if (!FollowLinks(fs, path, file)) return AccessError(errno);
  if (fs.Access(file, W_OK) == 0) return THiveAccess::kAllowed;
  // A missing file may be made where the nearest folder that exists is writable.
  for (std::string folder = file; errno == ENOENT && folder != Parent(folder);) {
    folder = Parent(folder);
    if (fs.Access(folder, W_OK | X_OK) == 0) return THiveAccess::kAllowed;
  }
  return errno == ENOENT ? THiveAccess::kDenied : AccessError(errno);
}

}  // namespace gapwise
