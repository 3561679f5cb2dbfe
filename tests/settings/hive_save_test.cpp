// A hive file the game may not open, may write only in place, or saves together with other games.
#include <sys/stat.h>

#include <functional>
#include <utility>
#include <vector>

#include "hive_fixture.h"
#include "settings/hive/hive_file.h"

namespace gapwise {
namespace {

using namespace testing_support;

// What a file gives the game: its keys and values, without blank lines and comments.
std::string Loaded(const std::filesystem::path& file) {
  THive hive;
  if (ReadHiveFile(file, hive, SystemFileSystem()) != THiveRead::kOk) return "(does not load)";
  std::string out;
  for (const THiveEntry& entry : hive.Entries()) {
    if (entry.Kind == THiveEntry::kKey) out += "[" + entry.Path + "]";
    if (entry.Kind != THiveEntry::kValue) continue;
    out += entry.Name + "=" + std::to_string(static_cast<unsigned>(entry.Value.Type)) + ":";
    out.append(entry.Value.Data.begin(), entry.Value.Data.end());
    out += ";";
  }
  return out;
}

// What the next save writes over the file when it changes no value: the text as read, without
// the blanks that a save in place stopped early leaves.
std::string Resaved(const std::filesystem::path& file) {
  const auto hive = THive::Parse(ReadFile(file));
  return hive ? hive->Serialize() : "(does not load)";
}

// The text as a Unicode hive writes it: a byte order mark, then UTF-16LE.
std::string Utf16(std::string_view text) {
  std::string out = "\xFF\xFE";
  for (const char c : text) (out += c) += '\0';
  return out;
}

std::string Unicode(std::initializer_list<std::string_view> lines) {
  std::string text = "Windows Registry Editor Version 5.00\r\n\r\n";
  for (const std::string_view line : lines) (text += line) += "\r\n";
  return Utf16(text);
}

struct InPlaceCase {
  const char* Name;
  std::string Old;
  std::string New;
};

const InPlaceCase kInPlaceCases[] = {
    {"Shorter", Reg({kUserKey, R"("window"="a value that the new text ends in")", "; kept"}),
     Reg({kUserKey, R"("checked"=dword:00000001)"})},
    {"Longer", Reg({kUserKey, R"("checked"=dword:00000004)"}),
     Reg({kUserKey, R"("checked"=dword:00000001)", R"("ops"=hex:03,01,02,03)", "; kept"})},
    {"UnicodeShorter", Unicode({kUserKey, R"("window"="left")", R"("checked"=dword:00000004)"}),
     Unicode({kUserKey, R"("checked"=dword:00000002)"})},
    {"UnicodeLonger", Unicode({kUserKey}),
     Unicode({kUserKey, R"("window"="right")", R"("checked"=dword:00000003)"})},
};

// Denied, which the settings pass over in silence as a key that cannot be opened, rather than
// bad, which they report; and never written.
TEST_F(HiveTest, AFileThatMayNotBeOpenedAtAllIsDeniedAndNotWritten) {
  const std::string text = Reg({kUserKey, R"("checked"=dword:00000004)"});
  WriteFile(UserFile(), text);
  ::chmod(UserFile().c_str(), 0);
  EXPECT_EQ(StatusOfChild([&] {
              DropFileCapabilities();
              THive hive;
              EXPECT_EQ(ReadHiveFile(UserFile(), hive, SystemFileSystem()), THiveRead::kDenied);
              EXPECT_EQ(MayWriteHiveFile(UserFile(), SystemFileSystem()), THiveAccess::kDenied);
            }),
            0);
  EXPECT_EQ(ReadFile(UserFile()), text);
}

// The folder is read-only and the file writable, so no temporary file can be made and the file
// is written over in place.
class SaveInPlace : public HiveTest, public ::testing::WithParamInterface<InPlaceCase> {
 protected:
  // Saves New over Old in a child process that meets the modes, with a fault before call `at`
  // of the save; the child's wait status: killed, or exit code 2 when the save ended before
  // that call. A save that succeeds must leave the new values.
  int SaveInChild(int at, TFaultyFileSystem::TFault fault) {
    WriteFile(UserFile(), GetParam().Old);
    ::chmod(UserFile().parent_path().c_str(), 0500);
    const int status = StatusOfChild([&] {
      DropFileCapabilities();
      TFaultyFileSystem faulty(at, fault);
      if (WriteHiveFile(UserFile(), GetParam().New, faulty)) {
        EXPECT_EQ(Loaded(UserFile()), Loaded(dir_ / "new.reg"));
      }
      if (!::testing::Test::HasFailure() && faulty.Calls().size() < static_cast<std::size_t>(at))
        ::_exit(2);
    });
    ::chmod(UserFile().parent_path().c_str(), 0700);
    return status;
  }
};

TEST_P(SaveInPlace, AFaultAtAnyCallLeavesAFileWithTheOldOrTheNewValues) {
  WriteFile(dir_ / "old.reg", GetParam().Old);
  WriteFile(dir_ / "new.reg", GetParam().New);
  const std::string oldValues = Loaded(dir_ / "old.reg"), newValues = Loaded(dir_ / "new.reg");
  ASSERT_NE(oldValues, newValues);
  for (const auto fault : {TFaultyFileSystem::kKill, TFaultyFileSystem::kFail}) {
    int call = 1;
    for (; call < 100; ++call) {
      SCOPED_TRACE((fault == TFaultyFileSystem::kKill ? "killed before call " : "failed call ") +
                   std::to_string(call));
      const int status = SaveInChild(call, fault);
      const std::string left = Loaded(UserFile());
      EXPECT_TRUE(left == oldValues || left == newValues) << left;
      const std::string resaved = Resaved(UserFile());
      EXPECT_TRUE(resaved == GetParam().Old || resaved == GetParam().New) << "blanks stay";
      if (WIFEXITED(status) && WEXITSTATUS(status) == 2) break;
      if (fault == TFaultyFileSystem::kKill) {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
      } else {
        EXPECT_EQ(status, 0);
      }
    }
    EXPECT_EQ(ReadFile(UserFile()), GetParam().New) << "a whole save leaves the new text alone";
    EXPECT_EQ(FilesBesideUserHive(), 1u);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, SaveInPlace, ::testing::ValuesIn(kInPlaceCases), kRowName);

// Passes every call on; just before each of its locks, the next of the other games saves the
// same file first, as while this game stands still there.
class TOvertakenFileSystem : public THiveFileSystem {
 public:
  explicit TOvertakenFileSystem(std::vector<std::function<void()>> others)
      : others_(std::move(others)) {}
  int Made() const { return made_; }

 protected:
  bool Allow(const char* call) override {
    const std::string_view name(call);
    made_ += name == "mkostemp" ? 1 : 0;
    if (name == "flock" && next_ < others_.size()) others_[next_++]();
    return true;
  }

 private:
  std::vector<std::function<void()>> others_;
  std::size_t next_ = 0;
  int made_ = 0;
};

// Each other game's clean-up finds the first game's temporary file not yet locked and removes
// it; the first game sees that once it holds the lock, and saves through another one, however
// many games overtake it.
TEST_F(HiveTest, GamesSavingAtOnceAllSaveWhileOneStandsStill) {
  for (const int others : {1, 5}) {
    SCOPED_TRACE(std::to_string(others) + " other games");
    WriteFile(UserFile(), Reg({kUserKey, R"("checked"=dword:00000004)"}));
    const std::string first = Reg({kUserKey, R"("checked"=dword:00000001)"});
    int saved = 0;
    std::vector<std::function<void()>> games;
    for (int game = 0; game < others; ++game) {
      games.emplace_back([&, game] {
        const std::string text = Reg({kUserKey, "\"multc\"=dword:0000000" + std::to_string(game)});
        saved += WriteHiveFile(UserFile(), text, SystemFileSystem()) ? 1 : 0;
      });
    }
    TOvertakenFileSystem slowed(std::move(games));
    EXPECT_TRUE(WriteHiveFile(UserFile(), first, slowed));
    EXPECT_EQ(saved, others);
    EXPECT_EQ(slowed.Made(), others + 1);
    EXPECT_EQ(ReadFile(UserFile()), first);
    EXPECT_EQ(FilesBesideUserHive(), 1u);
  }
}

}  // namespace
}  // namespace gapwise
