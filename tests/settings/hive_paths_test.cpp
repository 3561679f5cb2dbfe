#include "settings/hive/hive_paths.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "hive_fixture.h"

namespace gapwise {
namespace {

struct UserPathCase {
  const char* Name;
  const char* Xdg;
  const char* Home;
  std::string Expected;
};

const UserPathCase kUserPathCases[] = {
    {"XdgAbsolute", "/x/conf", "/home/u", "/x/conf/gapwise/registry.reg"},
    {"NoXdg", nullptr, "/home/u", "/home/u/.config/gapwise/registry.reg"},
    {"EmptyXdg", "", "/home/u", "/home/u/.config/gapwise/registry.reg"},
    {"XdgRelative", "relative/conf", "/home/u", "/home/u/.config/gapwise/registry.reg"},
    {"NoHome", nullptr, nullptr, ""},
    {"EmptyHome", nullptr, "", ""},
};

class UserHive : public ::testing::TestWithParam<UserPathCase> {};

TEST_P(UserHive, FollowsTheXdgRules) {
  EXPECT_EQ(UserHivePath(GetParam().Xdg, GetParam().Home), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, UserHive, ::testing::ValuesIn(kUserPathCases),
                         testing_support::kRowName);

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
