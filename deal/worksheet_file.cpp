#include "deal/worksheet_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gapwise {
namespace {

std::string Target(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
  return error ? path : target.string();
}

// The permissions a new file gets from the user's umask.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

TWholeFile::TWholeFile(std::string path) : path_(std::move(path)), target_(Target(path_)) {}

TWholeFile::~TWholeFile() {
  if (!temporary_.empty()) unlink(temporary_.c_str());
}

bool TWholeFile::Fail(const char* reason) {
  error_ = "cannot write " + path_ + ": " + reason;
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
  return false;
}

bool TWholeFile::Write(std::string_view bytes) {
  struct stat status {};
  if (stat(target_.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
    return Fail(S_ISDIR(status.st_mode) ? std::strerror(EISDIR) : "not a regular file");
  }
  const std::filesystem::path target(target_);
  std::string hidden(1, '.');  // appended piece by piece: "." + a string makes GCC 12 warn
  hidden += target.filename().string();
  hidden += ".XXXXXX";
  std::string name = (target.parent_path() / hidden).string();
  const int fd = mkstemp(name.data());
  if (fd < 0) return Fail(std::strerror(errno));
  temporary_ = name;
  const bool written = fchmod(fd, NewFileMode()) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
  const int code = errno;
  if (close(fd) != 0 && written) return Fail(std::strerror(errno));
  return written || Fail(std::strerror(code));
}

bool TWholeFile::Commit() {
  if (rename(temporary_.c_str(), target_.c_str()) != 0) return Fail(std::strerror(errno));
  temporary_.clear();
  return true;
}

void TWholeFile::Remove() {
  unlink(target_.c_str());
}

}  // namespace gapwise
