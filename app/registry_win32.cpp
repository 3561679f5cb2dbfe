// On Windows the settings live in the system's registry: the user's values under
// HKEY_CURRENT_USER, the installation folder under HKEY_LOCAL_MACHINE.
#include "app/backends.h"
#include "settings/win32/win_registry.h"

namespace gapwise {

std::unique_ptr<reg::IRegistry> SettingsRegistry() {
  return std::make_unique<TWinRegistry>();
}

}  // namespace gapwise
