// The store's load and save cases that hold for every registry backend, given as values (name,
// type and bytes) and the settings and messages expected. Run against the hive files on Linux and
// against the real registry under Wine on Windows; each backend's own cases (the hive text format,
// files that cannot be read) are in its own tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "settings/store.h"
#include "tests/settings/registry_bench.h"
#include "tests/settings/row_names.h"

namespace gapwise {
namespace {

using reg::Root;
using reg::Type;
using testing_support::ByName;
using testing_support::Dword;
using testing_support::kRowName;
using testing_support::Raw;
using testing_support::Text;
using testing_support::TKeyValues;

constexpr const char* kCwd = "<cwd>";  // stands for the current directory in the table
constexpr const char* kFolder = "C:\\Program Files\\Ardentree\\Gapwise";

TDrillSettings With(auto change) {
  TDrillSettings settings;
  change(settings);
  return settings;
}

struct LoadRow {
  const char* Name;
  std::optional<TKeyValues> User;     // the per-user key, none when absent
  std::optional<TKeyValues> Machine;  // the machine-wide key, none when absent
  TDrillSettings Expected = {};
  std::string Error = "";         // the message thrown, empty for none
  std::string Folder = "before";  // the installation folder afterwards; it starts so
};

// Booleans turned around, so that a row shows which of them were read before an error.
const TKeyValues kFlags = {Dword("tlimited", 0), Dword("showr", 0), Dword("multc", 1)};
const TDrillSettings kFlagsRead = With([](auto& s) {
  s.TimeLimited = false;
  s.ShowRight = false;
  s.MultChoice = true;
});
const TKeyValues kLaterValues = {Dword("checked", 1), Raw("ops", Type::Binary, {3, 3, 3, 3})};

TKeyValues Join(std::initializer_list<TKeyValues> parts) {
  TKeyValues all;
  for (const TKeyValues& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// clang-format off
const LoadRow kLoadRows[] = {
  {"NeitherKey", {}, {}},
  {"MachineOnly", {}, TKeyValues{Text("AppPath", kFolder)}, {}, "", kFolder},
  {"BothKeysEmpty", TKeyValues{}, TKeyValues{}, {}, "", kCwd},
  {"BooleanTwoIsOn", TKeyValues{Dword("tlimited", 2)}, {}},
  {"BooleansZeroAndHighBit", TKeyValues{Dword("showr", 0), Dword("multc", 0x100)}, {},
   With([](auto& s) { s.ShowRight = false, s.MultChoice = true; })},
  {"Checked260IsFour", TKeyValues{Dword("checked", 260)}, {}},
  {"CheckedZeroPassesOn", TKeyValues{Dword("checked", 0)}, {}, With([](auto& s) { s.Checked = 0; })},
  {"AllSix", Join({kFlags, {Dword("timelimit", 10), Dword("checked", 2),
                            Raw("ops", Type::Binary, {3, 0, 2, 1})}}), {},
   With([](auto& s) { s = kFlagsRead, s.TimeLimit = 10, s.Checked = 2, s.Ops = {3, 0, 2, 1}; })},
  {"NegativeTimeLimit", TKeyValues{Dword("timelimit", 0xffffffe2)}, {},
   With([](auto& s) { s.TimeLimit = -30; })},
  {"TwoByteDwordIsZeroExtended", TKeyValues{Raw("timelimit", Type::Dword, {10, 0})}, {},
   With([](auto& s) { s.TimeLimit = 10; })},
  {"EmptyDwordIsZero", TKeyValues{Raw("tlimited", Type::Dword, {})}, {},
   With([](auto& s) { s.TimeLimited = false; })},
  {"ValueNamesIgnoreCase", TKeyValues{Dword("TLimited", 0), Dword("TIMELIMIT", 9)}, {},
   With([](auto& s) { s.TimeLimited = false, s.TimeLimit = 9; })},
  {"OtherValuesAreIgnored", TKeyValues{Text("", "default"), Text("window", "left"),
                                       Dword("checked", 3)}, {},
   With([](auto& s) { s.Checked = 3; })},
  {"OpsOfTwoBytes", TKeyValues{Raw("ops", Type::Binary, {3, 2})}, {},
   With([](auto& s) { s.Ops = {3, 2, 2, 3}; })},
  {"OpsEmptyNone", TKeyValues{Raw("ops", Type::None, {})}, {}},
  {"OpsFourBytesNone", TKeyValues{Raw("ops", Type::None, {1, 1, 0, 0})}, {},
   With([](auto& s) { s.Ops = {1, 1, 0, 0}; })},
  {"OpsOneByteOfOtherType", TKeyValues{Raw("ops", static_cast<Type>(11), {2})}, {},
   With([](auto& s) { s.Ops = {2, 1, 2, 3}; })},
  {"OpsOfFiveBytes", Join({kFlags, {Raw("ops", Type::Binary, {3, 1, 2, 3, 0})}}), {}, kFlagsRead,
   "Invalid data type for 'ops'"},
  {"OpsAsDword", TKeyValues{Dword("ops", 0x03020100)}, {}, {}, "Invalid data type for 'ops'"},
  {"OpsAsString", TKeyValues{Text("ops", "ab")}, {}, {}, "Invalid data type for 'ops'"},
  {"OpsAsExpandString", TKeyValues{Text("ops", "a", Type::ExpandString)}, {}, {},
   "Invalid data type for 'ops'"},
  {"TimeLimitTwoDigitString", Join({kFlags, {Text("timelimit", "12")}, kLaterValues}), {},
   kFlagsRead, "Invalid data type for 'timelimit'"},
  {"TimeLimitFiveCharString", Join({kFlags, {Text("timelimit", "12345")}, kLaterValues}), {},
   kFlagsRead, "Failed to get data for 'timelimit'"},
  {"FiveByteDword", TKeyValues{Raw("timelimit", Type::Dword, {30, 0, 0, 0, 0})}, {}, {},
   "Failed to get data for 'timelimit'"},
  {"BinaryInteger", TKeyValues{Raw("checked", Type::Binary, {1, 0, 0, 0})}, {}, {},
   "Invalid data type for 'checked'"},
  {"StringBoolean", TKeyValues{Text("tlimited", "1")}, {}, {}, "Invalid data type for 'tlimited'"},
  {"AppPathAsStored", {}, TKeyValues{Text("AppPath", R"(C:\Apps\"G" \\x)")}, {}, "",
   R"(C:\Apps\"G" \\x)"},
  {"AppPathUpToNul", {}, TKeyValues{Raw("AppPath", Type::String, {'a', 0, 'b', 0})}, {}, "", "a"},
  {"AppPathWithoutNul", {}, TKeyValues{Raw("AppPath", Type::String, {'a', 'b'})}, {}, "", "ab"},
  {"AppPathExpandNotExpanded", {}, TKeyValues{Text("AppPath", "%WINDIR%", Type::ExpandString)},
   {}, "", "%WINDIR%"},
  {"AppPathEmptyData", {}, TKeyValues{Raw("AppPath", Type::Dword, {})}, {}, "", ""},
  {"AppPathMissingGivesCwd", {}, TKeyValues{Text("Other", "x")}, {}, "", kCwd},
  {"AppPathDwordStopsLoad", kFlags, TKeyValues{Dword("AppPath", 1)}, {},
   "Invalid data type for 'AppPath'"},
  {"AppPathBinary", {}, TKeyValues{Raw("AppPath", Type::Binary, {'a', 0})}, {},
   "Invalid data type for 'AppPath'"},
};
// clang-format on

// The backend's registry, counting the keys that it opened and that were not closed.
class TCountingRegistry : public reg::IRegistry {
 public:
  explicit TCountingRegistry(reg::IRegistry& registry) : registry_(registry) {}
  reg::Status OpenKey(Root root, const char* subKey, reg::Access desired,
                      reg::Key& result) override {
    return Count(registry_.OpenKey(root, subKey, desired, result));
  }
  reg::Status CreateKey(Root root, const char* subKey, reg::Access desired, reg::Key& result,
                        bool* created) override {
    return Count(registry_.CreateKey(root, subKey, desired, result, created));
  }
  reg::Status QueryValue(reg::Key key, const char* name, Type* type, std::uint8_t* data,
                         std::uint32_t* size) override {
    return registry_.QueryValue(key, name, type, data, size);
  }
  reg::Status SetValue(reg::Key key, const char* name, Type type, const std::uint8_t* data,
                       std::uint32_t size) override {
    return registry_.SetValue(key, name, type, data, size);
  }
  reg::Status CloseKey(reg::Key key) override {
    --open_;
    return registry_.CloseKey(key);
  }
  std::string DescribeUnreadable(Root root) const override {
    return registry_.DescribeUnreadable(root);
  }
  int Open() const { return open_; }

 private:
  reg::Status Count(reg::Status status) {
    if (status == reg::Status::Success) ++open_;
    return status;
  }
  reg::IRegistry& registry_;
  int open_ = 0;
};

class StoreTable : public ::testing::Test {
 protected:
  void SetUp() override {
    bench_ = testing_support::MakeRegistryBench();
    counting_.emplace(bench_->Registry());
  }
  void TearDown() override {
    counting_.reset();
    bench_.reset();
  }
  reg::IRegistry& Registry() { return *counting_; }
  void ExpectNoKeyOpen() { EXPECT_EQ(counting_->Open(), 0); }
  TDrillSettings Load() {
    TDrillSettings settings;
    std::string folder;
    LoadSettings(settings, folder, Registry());
    return settings;
  }

  std::unique_ptr<testing_support::TRegistryBench> bench_;
  std::optional<TCountingRegistry> counting_;
};

class StoreLoadTable : public StoreTable, public ::testing::WithParamInterface<LoadRow> {};

TEST_P(StoreLoadTable, ReadsAsTheGameExpects) {
  const LoadRow& row = GetParam();
  if (row.User) bench_->Put(Root::CurrentUser, *row.User);
  if (row.Machine) bench_->Put(Root::LocalMachine, *row.Machine);
  TDrillSettings settings;
  std::string folder = "before";
  std::string error;
  ::testing::internal::CaptureStderr();
  try {
    LoadSettings(settings, folder, Registry());
  } catch (const ERegistryException& e) {
    error = e.what();
  }
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(error, row.Error);
  EXPECT_EQ(settings, row.Expected);
  const std::string cwd = std::filesystem::current_path().string();
  EXPECT_EQ(folder, row.Folder == kCwd ? cwd : row.Folder);
  ExpectNoKeyOpen();
  // A load writes nothing.
  EXPECT_EQ(bench_->Get(Root::CurrentUser), row.User ? ByName(*row.User) : row.User);
  EXPECT_EQ(bench_->Get(Root::LocalMachine), row.Machine ? ByName(*row.Machine) : row.Machine);
}

INSTANTIATE_TEST_SUITE_P(Rows, StoreLoadTable, ::testing::ValuesIn(kLoadRows), kRowName);

struct SaveRow {
  const char* Name;
  std::optional<TKeyValues> Before;  // the per-user key before the save, none when absent
  TDrillSettings Saved;
  TKeyValues After;  // the key's values afterwards, in any order
};

// Division alone, as the user chose it before pressing Exit.
const TDrillSettings kDivisionOnly = With([](auto& s) { s.Ops[0] = pkDivision, s.Checked = 1; });
const TKeyValues kDivisionOnlyValues = {
    Dword("tlimited", 1),   Dword("showr", 1),   Dword("multc", 0),
    Dword("timelimit", 30), Dword("checked", 1), Raw("ops", Type::Binary, {3, 1, 2, 3})};

// clang-format off
const SaveRow kSaveRows[] = {
  {"CreatesTheKeyWithSixValues", {}, kDivisionOnly, kDivisionOnlyValues},
  {"IntoAnEmptyKey", TKeyValues{}, kDivisionOnly, kDivisionOnlyValues},
  {"EveryByteOfTheSettings",
   {}, TDrillSettings{{2, 0, 3, 1}, 2, false, -7, false, true},
   {Dword("tlimited", 0), Dword("showr", 0), Dword("multc", 1), Dword("timelimit", 0xfffffff9),
    Dword("checked", 2), Raw("ops", Type::Binary, {2, 0, 3, 1})}},
  {"OutOfRangeAsTheyStand",
   {}, TDrillSettings{{9, 255, 0, 7}, 200, true, 0, true, false},
   {Dword("tlimited", 1), Dword("showr", 1), Dword("multc", 0), Dword("timelimit", 0),
    Dword("checked", 200), Raw("ops", Type::Binary, {9, 255, 0, 7})}},
  {"ReplacesEachValueWhateverItsType",
   TKeyValues{Text("tlimited", "0"), Raw("timelimit", Type::Dword, {1, 2, 3, 4, 5}),
              Dword("ops", 7), Raw("checked", Type::Binary, {})},
   kDivisionOnly, kDivisionOnlyValues},
  {"KeepsTheOtherValues",
   TKeyValues{Text("", "default"), Dword("checked", 2), Text("window", "left")},
   kDivisionOnly, Join({kDivisionOnlyValues, {Text("", "default"), Text("window", "left")}})},
};
// clang-format on

class StoreSaveTable : public StoreTable, public ::testing::WithParamInterface<SaveRow> {};

TEST_P(StoreSaveTable, WritesTheSixValues) {
  const SaveRow& row = GetParam();
  if (row.Before) bench_->Put(Root::CurrentUser, *row.Before);
  SaveSettings(row.Saved, Registry());
  EXPECT_EQ(bench_->Get(Root::CurrentUser), ByName(row.After));
  EXPECT_EQ(bench_->Get(Root::LocalMachine), std::nullopt);
  ExpectNoKeyOpen();
}

INSTANTIATE_TEST_SUITE_P(Rows, StoreSaveTable, ::testing::ValuesIn(kSaveRows), kRowName);

TEST_F(StoreTable, ALoadCreatesNoKey) {
  std::string folder;
  TDrillSettings settings;
  LoadSettings(settings, folder, Registry());
  EXPECT_EQ(settings, TDrillSettings{});
  EXPECT_EQ(folder, "");
  EXPECT_EQ(bench_->Get(Root::CurrentUser), std::nullopt);
  EXPECT_EQ(bench_->Get(Root::LocalMachine), std::nullopt);
}

TEST_F(StoreTable, ASaveThenALoadGiveBackEveryByte) {
  const TDrillSettings saved{{2, 0, 3, 1}, 2, false, -7, false, true};
  SaveSettings(saved, Registry());
  EXPECT_EQ(Load(), saved);
  ExpectNoKeyOpen();
}

TEST_F(StoreTable, BooleanTwoIsSavedBackAsOne) {
  bench_->Put(Root::CurrentUser, {Dword("tlimited", 2)});
  SaveSettings(Load(), Registry());
  const auto values = bench_->Get(Root::CurrentUser);
  ASSERT_TRUE(values);
  EXPECT_EQ(values->back(), Dword("tlimited", 1));
}

TEST_F(StoreTable, ASaveLeavesTheMachineKeyAlone) {
  const TKeyValues machine = {Text("AppPath", kFolder), Dword("checked", 1)};
  bench_->Put(Root::LocalMachine, machine);
  SaveSettings(kDivisionOnly, Registry());
  EXPECT_EQ(bench_->Get(Root::LocalMachine), ByName(machine));
  TDrillSettings settings;
  std::string folder;
  LoadSettings(settings, folder, Registry());
  EXPECT_EQ(settings, kDivisionOnly);
  EXPECT_EQ(folder, kFolder);
}

}  // namespace
}  // namespace gapwise
