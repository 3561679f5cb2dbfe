// The hive files' own save cases: the text they write and keep, and saves that meet faults,
// crashes, read-only places and links. The cases that hold for every registry backend are in
// store_table_test.cpp.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "hive_fixture.h"
#include "settings/store.h"

namespace gapwise {
namespace {

using testing_support::DropFileCapabilities;
using testing_support::HiveTest;
using testing_support::kRowName;
using testing_support::kUserKey;
using testing_support::ReadFile;
using testing_support::Reg;
using testing_support::StatusOfChild;
using testing_support::TFaultyFileSystem;
using testing_support::WriteFile;

TEST_F(HiveTest, SaveWritesANewHiveInTheRegistryEditorsFormat) {
  THiveRegistry registry(paths_);
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
  THiveRegistry registry(paths_);
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
  THiveRegistry registry(paths_);
  EXPECT_NO_THROW(SaveSettings(TDrillSettings{}, registry));
  EXPECT_EQ(ReadFile(UserFile()), GetParam().Bytes);
  EXPECT_EQ(FilesBesideUserHive(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Files, SaveOverUnparseable, ::testing::ValuesIn(kUntouchedCases),
                         kRowName);

const std::string kOld = Reg({kUserKey, R"("checked"=dword:00000004)", "; kept by hand"});

// Division alone, as the user chose it before pressing Exit.
TDrillSettings DivisionOnly() {
  TDrillSettings settings;
  settings.Ops[0] = pkDivision;
  settings.Checked = 1;
  return settings;
}

class SaveFaults : public HiveTest {
 protected:
  // The error text of a save of DivisionOnly() over kOld, empty when there was none.
  std::string Save(THiveFileSystem& fs) {
    THiveRegistry registry(paths_, fs);
    try {
      SaveSettings(DivisionOnly(), registry);
    } catch (const ERegistryException& e) {
      return e.what();
    }
    return "";
  }
  // The calls of a save without faults, and the file that it leaves.
  std::vector<std::string> CallsOfASave(std::string& saved) {
    WriteFile(UserFile(), kOld);
    TFaultyFileSystem counter;
    EXPECT_EQ(Save(counter), "");
    saved = ReadFile(UserFile());
    EXPECT_NE(saved, kOld);
    return counter.Calls();
  }
};

TEST_F(SaveFaults, AKillAtAnyCallLeavesTheOldOrTheNewFileAndTheNextSaveClearsUp) {
  std::string saved;
  const std::vector<std::string> calls = CallsOfASave(saved);
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "rename"), 1);
  for (int call = 1; call <= static_cast<int>(calls.size()); ++call) {
    SCOPED_TRACE("killed before call " + std::to_string(call) + ", " + calls[call - 1]);
    WriteFile(UserFile(), kOld);
    const int status = StatusOfChild([&] {
      TFaultyFileSystem killer(call, TFaultyFileSystem::kKill);
      Save(killer);
    });
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    const std::string left = ReadFile(UserFile());
    EXPECT_TRUE(left == kOld || left == saved) << left;
    EXPECT_EQ(Save(SystemFileSystem()), "");
    EXPECT_EQ(ReadFile(UserFile()), saved);
    EXPECT_EQ(FilesBesideUserHive(), 1u);
  }
}

// A call that fails while the key is created or saved (a read of the old file among them) loses
// the save as a whole, and is reported, unless the file was saved all the same: a step of the
// save through a temporary file falls back to the save in place, and the clean-up after a save
// may fail.
TEST_F(SaveFaults, AFailedCallLeavesTheOldFileAndIsReported) {
  std::string saved;
  const std::size_t calls = CallsOfASave(saved).size();
  for (std::size_t call = 1; call <= calls; ++call) {
    SCOPED_TRACE("failed call " + std::to_string(call));
    WriteFile(UserFile(), kOld);
    TFaultyFileSystem failing(static_cast<int>(call));
    const std::string error = Save(failing);
    const std::string left = ReadFile(UserFile());
    EXPECT_TRUE(left == kOld || left == saved) << left;
    EXPECT_EQ(error, left == kOld ? "Failed to set data for 'tlimited'" : "");
    EXPECT_EQ(FilesBesideUserHive(), 1u);
  }
}

TEST_F(HiveTest, ASaveRemovesTheTemporaryFilesOfCrashedSavesOnly) {
  WriteFile(UserFile(), kOld);
  const auto folder = UserFile().parent_path();
  const std::vector<std::string> kept = {
      ".registry.reg.tmp-Ef34Gh",  // a save that still runs holds it locked
      "registry.reg.tmp-Ab12Cd",  ".registry.reg.tmp-Ab12C", ".registry.reg.tmp-Ab12Cd7",
      ".registry.reg.tmp-Ab_2Cd", ".other.reg.tmp-Ab12Cd",   "registry.reg~"};
  for (const std::string& name : kept) WriteFile(folder / name, "not ours to remove");
  WriteFile(folder / ".registry.reg.tmp-Ab12Cd", "left by a crash");
  const int running = ::open((folder / kept[0]).c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(running, LOCK_EX), 0);
  THiveRegistry registry(paths_);
  SaveSettings(DivisionOnly(), registry);
  ::close(running);
  EXPECT_FALSE(std::filesystem::exists(folder / ".registry.reg.tmp-Ab12Cd"));
  for (const std::string& name : kept) EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
}

// The values before the one that does not fit are saved when the key closes; the later ones not.
TEST_F(HiveTest, AWriteThatWouldOverfillTheFileFailsAndTheEarlierOnesAreSaved) {
  const struct {
    std::vector<std::string_view> Values;
    std::string Error;
  } kRows[] = {
      {{}, "Failed to set data for 'tlimited'"},
      {{R"("tlimited"=dword:00000000)", R"("showr"=dword:00000000)"},
       "Failed to set data for 'multc'"},
  };
  for (const auto& row : kRows) {
    std::string full = Reg({kUserKey});
    for (const std::string_view value : row.Values) (full += value) += "\r\n";
    full += ";\r\n";
    full.insert(full.size() - 2, kMaxHiveBytes - full.size(), ';');
    WriteFile(UserFile(), full);
    THiveRegistry registry(paths_);
    try {
      SaveSettings(TDrillSettings{}, registry);
      ADD_FAILURE() << "no error";
    } catch (const ERegistryException& e) {
      EXPECT_EQ(e.what(), row.Error);
    }
    std::string expected = full;
    for (std::size_t at; (at = expected.find("dword:00000000")) != std::string::npos;) {
      expected[at + 13] = '1';
    }
    EXPECT_EQ(ReadFile(UserFile()), expected);
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
  }
}

struct WhereCase {
  const char* Name;
  std::function<void(const std::filesystem::path&)> Prepare;  // given the user hive's path
  bool Saved;
};

const WhereCase kWhereCases[] = {
    {"ReadOnlyFile", [](const auto& p) { ::chmod(p.c_str(), 0444); }, false},
    {"ReadOnlyFolderWritableFile",  // no temporary file can be made: written in place
     [](const auto& p) { ::chmod(p.parent_path().c_str(), 0500); }, true},
    {"ReadOnlyFolderWithoutFile",
     [](const auto& p) {
       std::filesystem::remove(p);
       ::chmod(p.parent_path().c_str(), 0500);
     },
     false},
    {"FolderIsAFile",
     [](const auto& p) {
       std::filesystem::remove_all(p.parent_path());
       WriteFile(p.parent_path(), kOld);
     },
     false},
};

class SaveWhere : public HiveTest, public ::testing::WithParamInterface<WhereCase> {};

TEST_P(SaveWhere, TheFileCanOnlyBeWrittenInPlaceOrNotAtAll) {
  WriteFile(UserFile(), kOld);
  GetParam().Prepare(UserFile());
  const bool existed = std::filesystem::exists(UserFile());
  const int status = StatusOfChild([&] {
    DropFileCapabilities();
    THiveRegistry registry(paths_);
    EXPECT_NO_THROW(SaveSettings(DivisionOnly(), registry));
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
  });
  EXPECT_EQ(status, 0);
  const auto folder = UserFile().parent_path();
  ::chmod(folder.c_str(), 0700);
  if (GetParam().Saved) {
    EXPECT_NE(ReadFile(UserFile()).find("\"ops\"=hex:03,01,02,03\r\n; kept by hand"),
              std::string::npos);
  } else if (existed) {
    EXPECT_EQ(ReadFile(UserFile()), kOld);
  }
  if (std::filesystem::is_directory(folder)) {
    EXPECT_EQ(FilesBesideUserHive(), existed ? 1u : 0u);
  } else {
    EXPECT_EQ(ReadFile(folder), kOld);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, SaveWhere, ::testing::ValuesIn(kWhereCases), kRowName);

}  // namespace
}  // namespace gapwise
