// The backends the program runs on, picked when it is built for its platform.
#pragma once

#include <memory>

#include "settings/registry.h"

namespace gapwise {

// The registry that holds the user's settings and the installation folder.
std::unique_ptr<reg::IRegistry> SettingsRegistry();

}  // namespace gapwise
