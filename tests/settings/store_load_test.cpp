// The hive files' own load cases: the text format, and files that cannot be read. The cases that
// hold for every registry backend are in store_table_test.cpp.
#include <unistd.h>

#include <optional>

#include "hive_fixture.h"
#include "settings/store.h"

namespace gapwise {
namespace {

using testing_support::HiveTest;
using testing_support::kMachineKey;
using testing_support::kRowName;
using testing_support::kUserKey;
using testing_support::Reg;
using testing_support::WriteFile;

constexpr const char* kCwd = "<cwd>";  // stands for the current directory in the table

TDrillSettings With(auto change) {
  TDrillSettings settings;
  change(settings);
  return settings;
}

struct LoadCase {
  const char* Name;
  std::optional<std::string> User;     // the per-user hive file, none when absent
  std::optional<std::string> Machine;  // the machine-wide hive file, none when absent
  TDrillSettings Expected = {};
  std::string Error = "";         // the message thrown, empty for none
  std::string Folder = "before";  // the installation folder afterwards; it starts so
};

const std::string kAppPath = R"("AppPath"="/opt/gapwise/share/gapwise")";
const std::string kMachine = Reg({kMachineKey, kAppPath});
// Booleans turned around, so that a row shows which of them were read before an error.
const std::string kFlags = R"("tlimited"=dword:00000000
"showr"=dword:00000000
"multc"=dword:00000001)";
const TDrillSettings kFlagsRead = With([](auto& s) {
  s.TimeLimited = false;
  s.ShowRight = false;
  s.MultChoice = true;
});
const std::string kNotSaved = "settings will not be saved until it is fixed or removed";

std::string User(std::initializer_list<std::string_view> values) {
  std::string text = Reg({kUserKey});
  for (const std::string_view value : values) (text += value) += "\r\n";
  return text;
}

std::string Machine(std::string_view value) {
  return Reg({kMachineKey, value});
}

// clang-format off
const LoadCase kLoadCases[] = {
  {"ShortDwordText", User({R"("checked"=dword:0)"}), {}, With([](auto& s) { s.Checked = 0; })},
  {"NamesIgnoreCase", Reg({"[hkey_current_user\\SOFTWARE\\ardentree\\gapwise]",
                           R"("TLimited"=dword:00000000)"}), {},
   With([](auto& s) { s.TimeLimited = false; })},
  {"LaterSectionWins",
   Reg({kUserKey, R"("checked"=dword:00000001)", kUserKey, R"("checked"=dword:00000003)"}), {},
   With([](auto& s) { s.Checked = 3; })},
  {"DeletedKeyIsAbsent",
   User({R"("checked"=dword:00000001)", "[-HKEY_CURRENT_USER\\Software\\Ardentree]"}), {}},
  {"DeletedValueIsAbsent", User({R"("checked"=dword:00000001)", R"("checked"=-)"}), {}},
  {"SubkeyValuesAreNotOurs", User({"[HKEY_CURRENT_USER\\Software\\Ardentree\\Gapwise\\Old]",
                                   R"("checked"=dword:00000001)"}), {}},
  {"OpsOneByteOfMultiString", User({R"("ops"=hex(7):02)"}), {},
   With([](auto& s) { s.Ops = {2, 1, 2, 3}; })},
  {"OpsAsHexDword", User({R"("ops"=hex(4):00,01,02,03)"}), {}, {}, "Invalid data type for 'ops'"},
  {"AppPathEscapes", {}, Machine(R"("AppPath"="C:\\Apps\\\"G\"")"), {}, "", R"(C:\Apps\"G")"},
  {"MachineOnly", {}, kMachine, {}, "", "/opt/gapwise/share/gapwise"},
  {"MachineKeyOnlyBySubkeyGivesCwd", {},
   Reg({"[HKEY_LOCAL_MACHINE\\Software\\Ardentree\\Gapwise\\Sub]"}), {}, "", kCwd},
  {"UnparseableUserHive", "REGEDIT4\r\n\"tlimited\"=dword:0\r\n", kMachine, {},
   "Cannot read the settings file '<user>' (line 2): " + kNotSaved, "/opt/gapwise/share/gapwise"},
  {"UnparseableMachineHive", User({kFlags}), "garbage", kFlagsRead},
  {"TruncatedUserHive", User({kFlags, R"("ops"=hex:01,\)"}), {}, {},
   "Cannot read the settings file '<user>' (line 7): " + kNotSaved},
  {"UserHiveTooLarge", User({std::string(kMaxHiveBytes, ';')}), {}, {},
   "Cannot read the settings file '<user>': " + kNotSaved},
};
// clang-format on

class StoreLoad : public HiveTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(StoreLoad, ReadsAsTheGameExpects) {
  const LoadCase& row = GetParam();
  if (row.User) WriteFile(UserFile(), *row.User);
  if (row.Machine) WriteFile(MachineFile(), *row.Machine);
  THiveRegistry registry(paths_);
  TDrillSettings settings;
  std::string folder = "before";
  std::string error;
  ::testing::internal::CaptureStderr();
  try {
    LoadSettings(settings, folder, registry);
  } catch (const ERegistryException& e) {
    error = e.what();
  }
  const std::string printed = ::testing::internal::GetCapturedStderr();
  std::string expected = row.Error;
  if (const auto at = expected.find("<user>"); at != std::string::npos) {
    expected.replace(at, 6, UserFile().string());
  }
  EXPECT_EQ(error, expected);
  // The unreadable file is named on standard error too; the other errors only in the window.
  EXPECT_EQ(printed, expected.starts_with("Cannot") ? expected + "\n" : "");
  EXPECT_EQ(settings, row.Expected);
  const std::string cwd = std::filesystem::current_path().string();
  EXPECT_EQ(folder, row.Folder == kCwd ? cwd : row.Folder);
  EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Rows, StoreLoad, ::testing::ValuesIn(kLoadCases), kRowName);

TEST_F(HiveTest, LoadCreatesNothing) {
  THiveRegistry registry(paths_);
  TDrillSettings settings;
  std::string folder;
  LoadSettings(settings, folder, registry);
  EXPECT_EQ(folder, "");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "config"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "share"));
}

}  // namespace
}  // namespace gapwise
