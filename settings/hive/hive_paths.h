// Where the hive files are: the user's under the XDG config home, the machine's beside the program.
#pragma once

#include <string>
#include <string_view>

#include "settings/hive/hive_registry.h"

namespace gapwise {

// <config>/gapwise/registry.reg, where <config> is xdgConfigHome when it is an absolute path,
// else <home>/.config; empty when there is no home either. Arguments may be null.
std::string UserHivePath(const char* xdgConfigHome, const char* home);

// <folder of the program>/<bin-to-data>/gapwise/machine.reg, where <bin-to-data> is the relative
// path from the install's bin folder to its data folder ("../share"); empty when programPath names
// no folder.
std::string MachineHivePath(std::string_view programPath);

// Both paths for this process: XDG_CONFIG_HOME, HOME (or the password database) and
// /proc/self/exe, read at the time of the call.
THivePaths DefaultHivePaths();

}  // namespace gapwise
