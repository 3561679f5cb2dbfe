// On Linux the settings live in hive files: the user's under the XDG config home, the machine's
// beside the program.
#include "app/backends.h"
#include "settings/hive/hive_paths.h"
#include "settings/hive/hive_registry.h"

namespace gapwise {

std::unique_ptr<reg::IRegistry> SettingsRegistry() {
  return std::make_unique<THiveRegistry>(DefaultHivePaths());
}

}  // namespace gapwise
