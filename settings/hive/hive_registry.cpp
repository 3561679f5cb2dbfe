#include "settings/hive/hive_registry.h"

#include <utility>

namespace gapwise {
namespace {

using reg::Status;

Status ReadError(THiveRead status) {
  switch (status) {
    case THiveRead::kOk:
      return Status::Success;
    case THiveRead::kMissing:
      return Status::NotFound;
    case THiveRead::kDenied:
      return Status::AccessDenied;
    case THiveRead::kFailed:
      return Status::CantRead;
    case THiveRead::kBad:
      break;
  }
  return Status::BadDatabase;
}

// Success when the file may be written, AccessDenied when not, CantRead when that is not known.
Status WriteAccess(THiveAccess access) {
  switch (access) {
    case THiveAccess::kAllowed:
      return Status::Success;
    case THiveAccess::kDenied:
      break;
    case THiveAccess::kFailed:
      return Status::CantRead;
  }
  return Status::AccessDenied;
}

}  // namespace

THiveRegistry::THiveRegistry(THivePaths paths, THiveFileSystem& fs)
    : paths_(std::move(paths)), fs_(&fs) {}

const std::string& THiveRegistry::FileOf(bool user) const {
  return user ? paths_.CurrentUser : paths_.LocalMachine;
}

Status THiveRegistry::ReadHive(bool user, THive& hive, std::size_t& badLine) {
  return ReadError(ReadHiveFile(FileOf(user), hive, *fs_, &badLine));
}

Status THiveRegistry::MayWrite(bool user) {
  return user ? WriteAccess(MayWriteHiveFile(FileOf(user), *fs_)) : Status::AccessDenied;
}

bool THiveRegistry::WriteHive(bool user, const std::string& text) {
  return WriteHiveFile(FileOf(user), text, *fs_);
}

std::string THiveRegistry::DescribeUnreadable(reg::Root root) const {
  std::string text = "the settings file '" + FileOf(IsUser(root)) + "'";
  if (const std::size_t line = BadLine(root); line > 0) {
    text += " (line " + std::to_string(line) + ")";
  }
  return text;
}

}  // namespace gapwise
