#include <sys/stat.h>
#include <unistd.h>

#include "hive_fixture.h"
#include "settings/store.h"

namespace gapwise {
namespace {

using testing_support::HiveTest;
using testing_support::kUserKey;
using testing_support::ReadFile;
using testing_support::Reg;
using testing_support::WriteFile;

TDrillSettings Load(TRegistry& registry) {
  TDrillSettings settings;
  std::string folder;
  LoadSettings(settings, folder, registry);
  return settings;
}

TEST_F(HiveTest, SaveWritesANewHiveInTheRegistryEditorsFormat) {
  TRegistry registry(paths_);
  TDrillSettings settings;  // the dialog has left division alone
  settings.Ops[0] = pkDivision;
  settings.Checked = 1;
  SaveSettings(settings, registry);
  EXPECT_EQ(ReadFile(UserFile()),
            Reg({kUserKey, R"("tlimited"=dword:00000001)", R"("showr"=dword:00000001)",
                 R"("multc"=dword:00000000)", R"("timelimit"=dword:0000001e)",
                 R"("checked"=dword:00000001)", R"("ops"=hex:03,01,02,03)", ""}));
  struct stat info {};
  ASSERT_EQ(::stat(UserFile().parent_path().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST_F(HiveTest, SaveThenLoadGivesBackEveryByte) {
  TRegistry registry(paths_);
  const TDrillSettings saved{{2, 0, 3, 1}, 2, false, -7, false, true};
  SaveSettings(saved, registry);
  EXPECT_EQ(Load(registry), saved);
}

TEST_F(HiveTest, BooleanTwoIsSavedBackAsOne) {
  WriteFile(UserFile(), Reg({kUserKey, R"("tlimited"=dword:00000002)"}));
  TRegistry registry(paths_);
  SaveSettings(Load(registry), registry);
  EXPECT_NE(ReadFile(UserFile()).find("\"tlimited\"=dword:00000001\r\n"), std::string::npos);
}

TEST_F(HiveTest, SaveKeepsWhatItDoesNotWrite) {
  WriteFile(UserFile(),
            "REGEDIT4\n"
            "; kept by hand\n"
            "[HKEY_CURRENT_USER\\Software\\Other]\n"
            "\"a\"=hex:01,\\\n"
            "  02\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\Ardentree\\Gapwise]\n"
            "@=\"default\"\n"
            "\"checked\"=dword:00000002 ; two kinds\n"
            "\"window\"=\"left\"\n"
            "; trailing comment\n");
  TRegistry registry(paths_);
  SaveSettings(TDrillSettings{}, registry);
  EXPECT_EQ(ReadFile(UserFile()),
            "REGEDIT4\n"
            "; kept by hand\n"
            "[HKEY_CURRENT_USER\\Software\\Other]\n"
            "\"a\"=hex:01,\\\n"
            "  02\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\Ardentree\\Gapwise]\n"
            "@=\"default\"\n"
            "\"checked\"=dword:00000004\n"
            "\"window\"=\"left\"\n"
            "\"tlimited\"=dword:00000001\n"
            "\"showr\"=dword:00000001\n"
            "\"multc\"=dword:00000000\n"
            "\"timelimit\"=dword:0000001e\n"
            "\"ops\"=hex:00,01,02,03\n"
            "; trailing comment\n");
}

struct UntouchedCase {
  const char* Name;
  std::string Bytes;
};

const UntouchedCase kUntouchedCases[] = {
    {"Garbage", "not a hive at all\n"},
    {"Empty", ""},
    {"Binary", std::string("REGEDIT4\r\n\0\x01\x02", 13)},
    {"TruncatedString", Reg({kUserKey, R"("window"="lef)"})},
    {"TruncatedContinuation", Reg({kUserKey, R"("blob"=hex:01,02,\)"})},
    {"OverOneMebibyte", Reg({kUserKey}) + std::string(kMaxHiveBytes, ';')},
};

class SaveOverUnparseable : public HiveTest, public ::testing::WithParamInterface<UntouchedCase> {};

TEST_P(SaveOverUnparseable, LeavesTheFileAsItWas) {
  WriteFile(UserFile(), GetParam().Bytes);
  TRegistry registry(paths_);
  EXPECT_NO_THROW(SaveSettings(TDrillSettings{}, registry));
  EXPECT_EQ(ReadFile(UserFile()), GetParam().Bytes);
  EXPECT_EQ(FilesBesideUserHive(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Files, SaveOverUnparseable, ::testing::ValuesIn(kUntouchedCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Writes half of the bytes and fails, as a full disk would, from the failAt-th write on.
THiveWriter FailingWriter(int failAt, int& writes) {
  return [failAt, &writes](int fd, std::string_view bytes) {
    if (++writes < failAt) return WriteAll(fd, bytes);
    WriteAll(fd, bytes.substr(0, bytes.size() / 2));
    return false;
  };
}

TEST_F(HiveTest, FailedWriteReportsTheValueAndKeepsTheOldFile) {
  const std::string old = Reg({kUserKey, R"("tlimited"=dword:00000000)", R"("multc"=dword:1)"});
  WriteFile(UserFile(), old);
  int writes = 0;
  TRegistry registry(paths_, FailingWriter(1, writes));
  try {
    SaveSettings(TDrillSettings{}, registry);
    FAIL() << "no error";
  } catch (const ERegistryException& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'tlimited'");
  }
  EXPECT_EQ(ReadFile(UserFile()), old);
  EXPECT_EQ(FilesBesideUserHive(), 1u);
  EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST_F(HiveTest, SaveNeverGrowsAHiveBeyondWhatALoadAccepts) {
  std::string full = Reg({kUserKey, ";"});
  full.insert(full.size() - 2, kMaxHiveBytes - full.size(), ';');
  WriteFile(UserFile(), full);
  TRegistry registry(paths_);
  EXPECT_THROW(SaveSettings(TDrillSettings{}, registry), ERegistryException);
  EXPECT_EQ(ReadFile(UserFile()), full);
}

TEST_F(HiveTest, WritesBeforeAFailureStay) {
  WriteFile(UserFile(), Reg({kUserKey, R"("tlimited"=dword:00000000)", R"("multc"=dword:1)"}));
  int writes = 0;
  TRegistry registry(paths_, FailingWriter(3, writes));
  EXPECT_THROW(
      {
        try {
          SaveSettings(TDrillSettings{}, registry);
        } catch (const ERegistryException& e) {
          EXPECT_STREQ(e.what(), "Failed to set data for 'multc'");
          throw;
        }
      },
      ERegistryException);
  TRegistry reader(paths_);
  const TDrillSettings loaded = Load(reader);
  EXPECT_TRUE(loaded.TimeLimited);  // written
  EXPECT_TRUE(loaded.MultChoice);   // the old value: the write failed
}

TEST_F(HiveTest, KilledDuringTheWriteLeavesTheOldFile) {
  const std::string old = Reg({kUserKey, R"("checked"=dword:00000002)"});
  WriteFile(UserFile(), old);
  EXPECT_EXIT(
      {
        TRegistry registry(paths_, [](int fd, std::string_view bytes) {
          WriteAll(fd, bytes.substr(0, bytes.size() / 2));
          ::_exit(7);
          return true;
        });
        SaveSettings(TDrillSettings{}, registry);
      },
      ::testing::ExitedWithCode(7), "");
  EXPECT_EQ(ReadFile(UserFile()), old);
}

TEST_F(HiveTest, KeyThatCannotBeCreatedSavesNothingSilently) {
  WriteFile(dir_ / "config", "a file where the folder should be");
  TRegistry registry(paths_);
  EXPECT_NO_THROW(SaveSettings(TDrillSettings{}, registry));
  EXPECT_EQ(ReadFile(dir_ / "config"), "a file where the folder should be");
  EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST_F(HiveTest, ReadOnlyHiveIsAKeyThatCannotBeOpenedForWriting) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  const std::string old = Reg({kUserKey, R"("checked"=dword:00000002)"});
  WriteFile(UserFile(), old);
  ::chmod(UserFile().c_str(), 0444);
  TRegistry registry(paths_);
  EXPECT_NO_THROW(SaveSettings(TDrillSettings{}, registry));
  EXPECT_EQ(ReadFile(UserFile()), old);
}

TEST_F(HiveTest, SaveKeepsTheFileModeAndFollowsALink) {
  const auto real = dir_ / "elsewhere.reg";
  WriteFile(real, Reg({kUserKey}));
  ::chmod(real.c_str(), 0640);
  std::filesystem::create_directories(UserFile().parent_path());
  std::filesystem::create_symlink(real, UserFile());
  TRegistry registry(paths_);
  SaveSettings(TDrillSettings{}, registry);
  EXPECT_TRUE(std::filesystem::is_symlink(UserFile()));
  EXPECT_NE(ReadFile(real).find("\"ops\"=hex:00,01,02,03"), std::string::npos);
  EXPECT_EQ(std::filesystem::status(real).permissions(), std::filesystem::perms(0640));
}

}  // namespace
}  // namespace gapwise
