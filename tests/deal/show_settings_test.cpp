#include <stdlib.h>

#include <sstream>

#include "app/backends.h"
#include "deal/deal.h"
#include "tests/settings/hive_fixture.h"

namespace gapwise {
namespace {

using testing_support::HiveTest;
using testing_support::kMachineKey;
using testing_support::kUserKey;
using testing_support::Reg;
using testing_support::WriteFile;

struct TDealRun {
  int Status;
  std::string Out;
  std::string Err;
};

TDealRun Deal(const std::vector<std::string>& args, const THivePaths& hives) {
  std::ostringstream out, err;
  THiveRegistry registry(hives);
  const int status = RunDealer(args, out, err, registry);
  return {status, out.str(), err.str()};
}

struct ShowCase {
  const char* Name;
  std::string User;
  std::string Machine;  // empty: no machine-wide hive
  TDealRun Expected;
};

const ShowCase kShowCases[] = {
    {"Defaults",
     "",
     "",
     {0,
      R"({"tlimited":true,"showr":true,"multc":false,"timelimit":30,"checked":4,)"
      R"("ops":[0,1,2,3],"installFolder":""})"
      "\n",
      ""}},
    {"Stored",
     Reg({kUserKey, R"("tlimited"=dword:00000000)", R"("multc"=dword:00000002)",
          R"("timelimit"=dword:ffffffff)", R"("checked"=dword:00000102)", R"("ops"=hex:03,02)"}),
     Reg({kMachineKey, R"("AppPath"="/opt/g \"x\"\\share")"}),
     {0,
      R"({"tlimited":false,"showr":true,"multc":true,"timelimit":-1,"checked":2,)"
      R"("ops":[3,2,2,3],"installFolder":"/opt/g \"x\"\\share"})"
      "\n",
      ""}},
    {"LoadError",
     Reg({kUserKey, R"("showr"=dword:0)", R"("timelimit"="12345")"}),
     "",
     {1, "", "Failed to get data for 'timelimit'\n"}},
    {"AppPathError",
     "",
     Reg({kMachineKey, R"("AppPath"=dword:00000001)"}),
     {1, "", "Invalid data type for 'AppPath'\n"}},
    {"UnreadableFile",
     "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\r\n",
     "",
     {1, "",
      "Cannot read the settings file '<user>' (line 3): settings will not be saved until it is "
      "fixed or removed\n"}},
};

class ShowSettings : public HiveTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(ShowSettings, PrintsOneLineOrTheStoresMessage) {
  if (!GetParam().User.empty()) WriteFile(UserFile(), GetParam().User);
  if (!GetParam().Machine.empty()) WriteFile(MachineFile(), GetParam().Machine);
  ::testing::internal::CaptureStderr();
  const TDealRun run = Deal({"--show-settings"}, paths_);
  const std::string stderrText = ::testing::internal::GetCapturedStderr();
  std::string expected = GetParam().Expected.Err;
  if (const auto at = expected.find("<user>"); at != std::string::npos) {
    expected.replace(at, 6, UserFile().string());
  }
  EXPECT_EQ(run.Status, GetParam().Expected.Status);
  EXPECT_EQ(run.Out, GetParam().Expected.Out);
  // Once, from the dealer or from the store.
  EXPECT_EQ(run.Err + stderrText, expected);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "config") && GetParam().User.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, ShowSettings, ::testing::ValuesIn(kShowCases),
                         [](const auto& info) { return std::string(info.param.Name); });

std::string WithoutFirstLine(const std::string& text) {
  return text.substr(text.find('\n') + 1);
}

TEST_F(HiveTest, WithASeedDealsWithTheLoadedKindsAndMode) {
  WriteFile(UserFile(), Reg({kUserKey, R"("multc"=dword:1)", R"("checked"=dword:2)",
                             R"("ops"=hex:02,03,00,00)"}));
  const TDealRun shown = Deal({"--show-settings", "--seed", "77", "--count", "6"}, paths_);
  const TDealRun plain =
      Deal({"--seed", "77", "--count", "6", "--kinds", "2,3", "--multiple-choice"}, paths_);
  EXPECT_EQ(shown.Status, 0);
  EXPECT_EQ(WithoutFirstLine(shown.Out), plain.Out);
  const TDealRun given = Deal({"--show-settings", "--seed=77", "--count=6", "--kinds=0"}, paths_);
  const TDealRun additions =
      Deal({"--seed=77", "--count=6", "--kinds=0", "--multiple-choice"}, paths_);
  EXPECT_EQ(WithoutFirstLine(given.Out), additions.Out);
}

// The program's registry on Linux: the hive files of the environment.
TEST_F(HiveTest, DealerReadsTheHiveUnderXdgConfigHome) {
  WriteFile(dir_ / "xdg/gapwise/registry.reg", Reg({kUserKey, R"("timelimit"=dword:0000000c)"}));
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old ? old : "";
  ::setenv("XDG_CONFIG_HOME", (dir_ / "xdg").c_str(), 1);
  std::ostringstream out, err;
  const std::unique_ptr<reg::IRegistry> registry = SettingsRegistry();
  const int status = RunDealer({"--show-settings"}, out, err, *registry);
  old ? ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_NE(out.str().find(R"("timelimit":12,)"), std::string::npos) << out.str();
}

TEST_F(HiveTest, WithoutSeedOrShowSettingsIsAUsageError) {
  EXPECT_EQ(Deal({"--count", "2"}, paths_).Status, 2);
  EXPECT_EQ(Deal({"--show-settings=1"}, paths_).Status, 2);
}

}  // namespace
}  // namespace gapwise
