// Saves whose way through a temporary file is refused and that write the file in place instead,
// and saves through links; the clean-up beside both ends of a link.
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include "hive_fixture.h"
#include "settings/store.h"

namespace gapwise {
namespace {

using namespace testing_support;

const std::string kOld = Reg({kUserKey, R"("checked"=dword:00000004)", "; kept by hand"});
// A temporary file of file's name as a crashed save leaves it.
std::filesystem::path StaleBeside(const std::filesystem::path& file) {
  std::string name = ".";
  name += file.filename().string();
  name += ".tmp-Ab12Cd";
  return file.parent_path() / name;
}

// Division alone, as the user chose it before pressing Exit; the error text, empty for none.
std::string SaveDivisionOnly(const THivePaths& paths, THiveFileSystem& fs) {
  TDrillSettings settings;
  settings.Ops[0] = pkDivision;
  settings.Checked = 1;
  THiveRegistry registry(paths, fs);
  try {
    SaveSettings(settings, registry);
  } catch (const ERegistryException& e) {
    return e.what();
  }
  return "";
}

bool HasNewValues(const std::filesystem::path& file) {
  return ReadFile(file).find("\"ops\"=hex:03,01,02,03\r\n; kept by hand") != std::string::npos;
}

// Fails the first `times` calls named call, as the system refuses them.
class TRefusingFileSystem : public THiveFileSystem {
 public:
  TRefusingFileSystem(std::string_view call, int times) : call_(call), left_(times) {}

 protected:
  bool Allow(const char* call) override { return call != call_ || left_-- <= 0; }

 private:
  std::string_view call_;
  int left_;
};

struct RefusalCase {
  const char* Name;
  const char* Call;
  int Times;
  bool Exists;  // the file was there before the save
  bool Saved;
};

const RefusalCase kRefusals[] = {
    {"NoTemporaryFile", "mkostemp", 1, true, true},
    {"TemporaryFileNotLocked", "flock", 1, true, true},
    {"TemporaryFileModeRefused", "fchmod", 1, true, true},
    {"TemporaryFileNotWritten", "pwrite", 1, true, true},
    {"TemporaryFileNotFlushed", "fsync", 1, true, true},
    {"RenameRefused", "rename", 1, true, true},
    {"NeitherWayWrites", "pwrite", 1000, true, false},
    {"RenameRefusedAndNoFileToWrite", "rename", 1, false, false},
};

class SaveRefused : public HiveTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SaveRefused, FallsBackToTheSaveInPlaceAndReportsOnlyWhenBothFail) {
  if (GetParam().Exists) WriteFile(UserFile(), kOld);
  TRefusingFileSystem refusing(GetParam().Call, GetParam().Times);
  EXPECT_EQ(SaveDivisionOnly(paths_, refusing),
            GetParam().Saved ? "" : "Failed to set data for 'tlimited'");
  if (GetParam().Saved) {
    EXPECT_TRUE(HasNewValues(UserFile()));
    EXPECT_EQ(ReadFile(UserFile()).find("  "), std::string::npos) << "no blanks stay";
  } else if (GetParam().Exists) {
    EXPECT_EQ(ReadFile(UserFile()), kOld);
  } else {
    EXPECT_FALSE(std::filesystem::exists(UserFile()));
  }
  EXPECT_EQ(FilesBesideUserHive(), GetParam().Exists ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Steps, SaveRefused, ::testing::ValuesIn(kRefusals), kRowName);

// Another user, whom neither the folders nor the file belong to.
constexpr uid_t kGame = 4242, kOwner = 4343;

void BecomeTheGame() {
  ASSERT_EQ(::setgroups(0, nullptr), 0);
  ASSERT_EQ(::setresgid(kGame, kGame, kGame), 0);
  ASSERT_EQ(::setresuid(kGame, kGame, kGame), 0);
}

// A file of another user, writable by all, in a sticky folder that all may write: the game may
// make its temporary file there but not rename it over the file (EPERM), so it writes in place.
struct SharedCase {
  const char* Name;
  bool ThroughALink;  // the game's own folder holds a link to the shared file
};

class SaveInASharedFolder : public HiveTest, public ::testing::WithParamInterface<SharedCase> {};

TEST_P(SaveInASharedFolder, WritesTheOtherUsersFileInPlace) {
  const auto shared = GetParam().ThroughALink ? dir_ / "shared/registry.reg" : UserFile();
  WriteFile(shared, kOld);
  ::chmod(dir_.c_str(), 0755);
  ::chmod((dir_ / "config").c_str(), 0755);
  ::chmod(shared.parent_path().c_str(), 01777);
  ASSERT_EQ(::chown(shared.c_str(), kOwner, kOwner), 0);
  ::chmod(shared.c_str(), 0666);
  if (GetParam().ThroughALink) {
    std::filesystem::create_directories(UserFile().parent_path());
    std::filesystem::create_symlink(shared, UserFile());
    ASSERT_EQ(::chown(UserFile().parent_path().c_str(), kGame, kGame), 0);
  }
  EXPECT_EQ(StatusOfChild([&] {
              BecomeTheGame();
              EXPECT_EQ(SaveDivisionOnly(paths_, SystemFileSystem()), "");
            }),
            0);
  EXPECT_TRUE(HasNewValues(shared));
  struct stat info {};
  ASSERT_EQ(::stat(shared.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, kOwner);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(shared.parent_path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, SaveInASharedFolder,
                         ::testing::Values(SharedCase{"StickyFolder", false},
                                           SharedCase{"LinkIntoAStickyFolder", true}),
                         kRowName);

struct LinkCase {
  const char* Name;
  std::string Target;  // under the scratch folder
  bool Absolute;       // the link names it by its absolute path, else relative to its folder
  bool Exists;         // the target is there, with mode 0640
};

class SaveThroughALink : public HiveTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(SaveThroughALink, ReplacesTheTargetAndKeepsTheLink) {
  const std::filesystem::path target = dir_ / GetParam().Target;
  const std::filesystem::path link =
      GetParam().Absolute ? target : std::filesystem::path("../..") / GetParam().Target;
  if (GetParam().Exists) {
    WriteFile(target, kOld);
    ::chmod(target.c_str(), 0640);
  }
  std::filesystem::create_directories(UserFile().parent_path());
  std::filesystem::create_symlink(link, UserFile());
  WriteFile(StaleBeside(UserFile()), "left by a crash beside the link");
  if (GetParam().Exists) WriteFile(StaleBeside(target), "and beside the target");
  EXPECT_EQ(SaveDivisionOnly(paths_, SystemFileSystem()), "");
  EXPECT_EQ(FilesBesideUserHive(), 1u);
  EXPECT_EQ(std::filesystem::read_symlink(UserFile()), link);
  EXPECT_NE(ReadFile(target).find("\"ops\"=hex:03,01,02,03"), std::string::npos);
  EXPECT_EQ(std::filesystem::status(target).permissions(),
            std::filesystem::perms(GetParam().Exists ? 0640 : 0600));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(target.parent_path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SaveThroughALink,
    ::testing::Values(LinkCase{"ToAFile", "elsewhere/real.reg", true, true},
                      LinkCase{"DanglingIntoAMissingFolder", "made/new.reg", false, false},
                      LinkCase{"DanglingAbsolute", "elsewhere/new.reg", true, false}),
    kRowName);
}  // namespace
}  // namespace gapwise
