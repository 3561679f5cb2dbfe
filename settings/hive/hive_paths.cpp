#include "settings/hive/hive_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#ifndef GAPWISE_BIN_TO_DATADIR
#define GAPWISE_BIN_TO_DATADIR "../share"
#endif

namespace gapwise {

std::string UserHivePath(const char* xdgConfigHome, const char* home) {
  std::string config;
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
    config = xdgConfigHome;
  } else if (home != nullptr && home[0] != '\0') {
    config = std::string(home) + "/.config";
  } else {
    return {};
  }
  return config + "/gapwise/registry.reg";
}

std::string MachineHivePath(std::string_view programPath) {
  const std::size_t slash = programPath.rfind('/');
  if (slash == std::string_view::npos) return {};
  return std::string(programPath.substr(0, slash + 1)) + GAPWISE_BIN_TO_DATADIR +
         "/gapwise/machine.reg";
}

THivePaths DefaultHivePaths() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') {
    const passwd* entry = ::getpwuid(::getuid());
    home = entry ? entry->pw_dir : nullptr;
  }
  char program[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", program, sizeof program - 1);
  const std::string_view programPath(program, length > 0 ? static_cast<std::size_t>(length) : 0);
  return {UserHivePath(std::getenv("XDG_CONFIG_HOME"), home), MachineHivePath(programPath)};
}

}  // namespace gapwise
