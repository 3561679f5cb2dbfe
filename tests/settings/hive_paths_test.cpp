#include "settings/hive_paths.h"

#include <gtest/gtest.h>
#include <stdlib.h>

namespace gapwise {
namespace {

struct UserPathCase {
  const char* Xdg;
  const char* Home;
  std::string Expected;
};

const UserPathCase kUserPathCases[] = {
    {"/x/conf", "/home/u", "/x/conf/gapwise/registry.reg"},
    {nullptr, "/home/u", "/home/u/.config/gapwise/registry.reg"},
    {"", "/home/u", "/home/u/.config/gapwise/registry.reg"},
    {"relative/conf", "/home/u", "/home/u/.config/gapwise/registry.reg"},
    {nullptr, nullptr, ""},
    {nullptr, "", ""},
};

class UserHive : public ::testing::TestWithParam<UserPathCase> {};

TEST_P(UserHive, FollowsTheXdgRules) {
  EXPECT_EQ(UserHivePath(GetParam().Xdg, GetParam().Home), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, UserHive, ::testing::ValuesIn(kUserPathCases));

TEST(MachineHive, LiesInTheDataFolderBesideTheProgram) {
  EXPECT_EQ(MachineHivePath("/opt/g/bin/gapwise"), "/opt/g/bin/../share/gapwise/machine.reg");
  EXPECT_EQ(MachineHivePath("gapwise"), "");
}

TEST(DefaultHives, HonourXdgConfigHome) {
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old ? old : "";
  ::setenv("XDG_CONFIG_HOME", "/tmp/gapwise-xdg", 1);
  const THivePaths paths = DefaultHivePaths();
  old ? ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(paths.CurrentUser, "/tmp/gapwise-xdg/gapwise/registry.reg");
  EXPECT_TRUE(paths.LocalMachine.ends_with("/settings/../share/gapwise/machine.reg"))
      << paths.LocalMachine;
}

}  // namespace
}  // namespace gapwise
