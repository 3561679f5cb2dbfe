#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

#include <climits>

#include "settings/hive/hive_file.h"

namespace gapwise {

#define GAPWISE_ALLOW(call, failed) \
  if (!Allow(call)) {               \
    errno = EIO;                    \
    return failed;                  \
  }

int THiveFileSystem::Open(const std::string& path, int flags, mode_t mode) {
  GAPWISE_ALLOW("open", -1);
  return ::open(path.c_str(), flags, mode);
}

int THiveFileSystem::MakeTemporary(std::string& pattern) {
  GAPWISE_ALLOW("mkostemp", -1);
  return ::mkostemp(pattern.data(), O_CLOEXEC);
}

ssize_t THiveFileSystem::Read(int fd, void* buffer, std::size_t size) {
  GAPWISE_ALLOW("read", -1);
  return ::read(fd, buffer, size);
}

ssize_t THiveFileSystem::Write(int fd, const void* data, std::size_t size, off_t offset) {
  GAPWISE_ALLOW("pwrite", -1);
  return ::pwrite(fd, data, size, offset);
}

int THiveFileSystem::Stat(const std::string& path, struct stat& info) {
  GAPWISE_ALLOW("stat", -1);
  return ::stat(path.c_str(), &info);
}

int THiveFileSystem::Fstat(int fd, struct stat& info) {
  GAPWISE_ALLOW("fstat", -1);
  return ::fstat(fd, &info);
}

int THiveFileSystem::Fchmod(int fd, mode_t mode) {
  GAPWISE_ALLOW("fchmod", -1);
  return ::fchmod(fd, mode);
}

int THiveFileSystem::Ftruncate(int fd, off_t size) {
  GAPWISE_ALLOW("ftruncate", -1);
  return ::ftruncate(fd, size);
}

int THiveFileSystem::Fsync(int fd) {
  GAPWISE_ALLOW("fsync", -1);
  return ::fsync(fd);
}

int THiveFileSystem::Flock(int fd, int operation) {
  GAPWISE_ALLOW("flock", -1);
  return ::flock(fd, operation);
}

int THiveFileSystem::Close(int fd) {
  GAPWISE_ALLOW("close", (::close(fd), -1));  // the descriptor is gone either way
  return ::close(fd);
}

int THiveFileSystem::Rename(const std::string& from, const std::string& to) {
  GAPWISE_ALLOW("rename", -1);
  return ::rename(from.c_str(), to.c_str());
}

int THiveFileSystem::Unlink(const std::string& path) {
  GAPWISE_ALLOW("unlink", -1);
  return ::unlink(path.c_str());
}

int THiveFileSystem::Mkdir(const std::string& path, mode_t mode) {
  GAPWISE_ALLOW("mkdir", -1);
  return ::mkdir(path.c_str(), mode);
}

int THiveFileSystem::Readlink(const std::string& path, std::string& target) {
  GAPWISE_ALLOW("readlink", -1);
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink(path.c_str(), buffer, sizeof buffer);
  if (length < 0) return -1;
  if (static_cast<std::size_t>(length) == sizeof buffer) {
    errno = ENAMETOOLONG;
    return -1;
  }
  target.assign(buffer, static_cast<std::size_t>(length));
  return 0;
}

int THiveFileSystem::Access(const std::string& path, int mode) {
  GAPWISE_ALLOW("access", -1);
  return ::access(path.c_str(), mode);
}

DIR* THiveFileSystem::OpenFolder(int fd) {
  GAPWISE_ALLOW("fdopendir", nullptr);
  return ::fdopendir(fd);
}

const dirent* THiveFileSystem::NextEntry(DIR* folder) {
  GAPWISE_ALLOW("readdir", nullptr);
  return ::readdir(folder);
}

int THiveFileSystem::CloseFolder(DIR* folder) {
  GAPWISE_ALLOW("closedir", (::closedir(folder), -1));
  return ::closedir(folder);
}

#undef GAPWISE_ALLOW

THiveFileSystem& SystemFileSystem() {
  static THiveFileSystem system;
  return system;
}

}  // namespace gapwise
