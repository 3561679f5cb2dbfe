// What reading and saving a hive file share: a descriptor closed at the end of its scope, and
// paths taken apart and followed through symbolic links.
#pragma once

#include <cerrno>
#include <string>
#include <utility>

#include "settings/hive/hive_file.h"

namespace gapwise::hive_file {

inline constexpr int kMaxLinks = 40;  // as the kernel follows them

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

inline std::string Parent(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

inline std::string Base(const std::string& path) {
  return path.substr(path.rfind('/') + 1);
}

// The file that path names once symbolic links are followed; it need not exist. False, with
// errno from the call at fault, when the links cannot be followed.
inline bool FollowLinks(THiveFileSystem& fs, std::string path, std::string& file) {
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    std::string next;
    if (fs.Readlink(path, next) != 0) {
      file = std::move(path);
      return errno == EINVAL || errno == ENOENT;
    }
    path = next.starts_with('/') ? next : Parent(path) + "/" + next;
  }
  errno = ELOOP;
  return false;
}

}  // namespace gapwise::hive_file
