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
const std::string kLaterValues = R"("checked"=dword:00000001
"ops"=hex:03,03,03,03)";

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
  {"NeitherKey", {}, {}},
  {"MachineOnly", {}, kMachine, {}, "", "/opt/gapwise/share/gapwise"},
  {"BooleanTwoIsOn", User({R"("tlimited"=dword:00000002)"}), {}},
  {"BooleansZeroAndHighBit", User({R"("showr"=dword:00000000)", R"("multc"=dword:00000100)"}), {},
   With([](auto& s) { s.ShowRight = false, s.MultChoice = true; })},
  {"Checked260IsFour", User({R"("checked"=dword:00000104)"}), {}},
  {"CheckedZeroPassesOn", User({R"("checked"=dword:0)"}), {}, With([](auto& s) { s.Checked = 0; })},
  {"AllSix", User({kFlags, R"("timelimit"=dword:0000000a)", R"("checked"=dword:00000002)",
                   R"("ops"=hex:03,00,02,01)"}), {},
   With([](auto& s) { s = kFlagsRead, s.TimeLimit = 10, s.Checked = 2, s.Ops = {3, 0, 2, 1}; })},
  {"NegativeTimeLimit", User({R"("timelimit"=dword:ffffffe2)"}), {},
   With([](auto& s) { s.TimeLimit = -30; })},
  {"TwoByteDwordIsZeroExtended", User({R"("timelimit"=hex(4):0a,00)"}), {},
   With([](auto& s) { s.TimeLimit = 10; })},
  {"EmptyDwordIsZero", User({R"("tlimited"=hex(4):)"}), {},
   With([](auto& s) { s.TimeLimited = false; })},
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
  {"OpsOfTwoBytes", User({R"("ops"=hex:03,02)"}), {}, With([](auto& s) { s.Ops = {3, 2, 2, 3}; })},
  {"OpsEmptyNone", User({R"("ops"=hex(0):)"}), {}},
  {"OpsOneByteOfOtherType", User({R"("ops"=hex(7):02)"}), {},
   With([](auto& s) { s.Ops = {2, 1, 2, 3}; })},
  {"OpsOfFiveBytes", User({kFlags, R"("ops"=hex:03,01,02,03,00)"}), {}, kFlagsRead,
   "Invalid data type for 'ops'"},
  {"OpsAsDword", User({R"("ops"=dword:03020100)"}), {}, {}, "Invalid data type for 'ops'"},
  {"OpsAsString", User({R"("ops"="ab")"}), {}, {}, "Invalid data type for 'ops'"},
  {"OpsAsExpandString", User({R"("ops"=hex(2):61,00)"}), {}, {}, "Invalid data type for 'ops'"},
  {"TimeLimitTwoDigitString", User({kFlags, R"("timelimit"="12")", kLaterValues}), {}, kFlagsRead,
   "Invalid data type for 'timelimit'"},
  {"TimeLimitFiveCharString", User({kFlags, R"("timelimit"="12345")", kLaterValues}), {},
   kFlagsRead, "Failed to get data for 'timelimit'"},
  {"FiveByteDword", User({R"("timelimit"=hex(4):1e,00,00,00,00)"}), {}, {},
   "Failed to get data for 'timelimit'"},
  {"BinaryInteger", User({R"("checked"=hex:01,00,00,00)"}), {}, {},
   "Invalid data type for 'checked'"},
  {"StringBoolean", User({R"("tlimited"="1")"}), {}, {}, "Invalid data type for 'tlimited'"},
  {"AppPathEscapes", {}, Machine(R"("AppPath"="C:\\Apps\\\"G\"")"), {}, "", R"(C:\Apps\"G")"},
  {"AppPathUpToNul", {}, Machine(R"("AppPath"=hex(1):61,00,62,00)"), {}, "", "a"},
  {"AppPathWithoutNul", {}, Machine(R"("AppPath"=hex(1):61,62)"), {}, "", "ab"},
  {"AppPathExpandNotExpanded", {}, Machine(R"("AppPath"=hex(2):25,48,25,00)"), {}, "", "%H%"},
  {"AppPathEmptyData", {}, Machine(R"("AppPath"=hex(4):)"), {}, "", ""},
  {"AppPathMissingGivesCwd", {}, Machine(R"("Other"="x")"), {}, "", kCwd},
  {"MachineKeyOnlyBySubkeyGivesCwd", {},
   Reg({"[HKEY_LOCAL_MACHINE\\Software\\Ardentree\\Gapwise\\Sub]"}), {}, "", kCwd},
  {"AppPathDwordStopsLoad", User({kFlags}), Machine(R"("AppPath"=dword:1)"), {},
   "Invalid data type for 'AppPath'"},
  {"AppPathBinary", {}, Machine(R"("AppPath"=hex:61,00)"), {}, "Invalid data type for 'AppPath'"},
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
