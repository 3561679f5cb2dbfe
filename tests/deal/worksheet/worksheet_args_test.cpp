#include <set>

#include "sheet_support.h"

namespace gapwise {
namespace {

// "{dir}" stands for a folder that holds a folder "sub", a file "old.pdf", a hard link "hard.pdf"
// and a symbolic link "soft.pdf" to it; "{rel}" for the same folder as a relative path.
struct RefusedSheet {
  std::string name;
  std::vector<std::string> args;
  int status;  // 2: bad arguments, with the usage; 1: the file cannot be written
  std::string says = "gapwise-deal: ";  // a part of the error line
  friend std::ostream& operator<<(std::ostream& out, const RefusedSheet& c) {
    return out << c.name;
  }
};

class SheetRefused : public ::testing::TestWithParam<RefusedSheet> {};

// The error line, and what a folder holds afterwards: each entry's name and, for a file, its text.
void ExpectOneErrorLineAndLeft(const TRun& run, int status, const std::string& says,
                               const std::filesystem::path& folder,
                               const std::set<std::string>& expected) {
  EXPECT_EQ(run.status, status);
  EXPECT_TRUE(run.out.empty()) << run.out;
  EXPECT_EQ(run.err.rfind("gapwise-deal: ", 0), 0u) << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  EXPECT_EQ(run.err.find("usage: ") != std::string::npos, status == 2) << run.err;
  EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
  std::set<std::string> left;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().lexically_relative(folder).string();
    left.insert(entry.is_regular_file() ? name + "=" + ReadAll(entry.path()) : name);
  }
  EXPECT_EQ(left, expected);
}

TEST_P(SheetRefused, WithOneErrorLineAndNothingWritten) {
  const TTempFolder folder;
  std::filesystem::create_directory(folder.Path / "sub");
  std::ofstream(folder.Path / "old.pdf") << "old";
  std::filesystem::create_hard_link(folder.Path / "old.pdf", folder.Path / "hard.pdf");
  std::filesystem::create_symlink("old.pdf", folder.Path / "soft.pdf");
  const std::string relative =
      std::filesystem::relative(folder.Path, std::filesystem::current_path()).string();
  std::vector<std::string> args = GetParam().args;
  for (std::string& arg : args) {
    for (const auto& [mark, path] :
         {std::pair<std::string, std::string>{"{dir}", folder.Path}, {"{rel}", relative}}) {
      if (const auto at = arg.find(mark); at != std::string::npos) arg.replace(at, 5, path);
    }
  }
  ExpectOneErrorLineAndLeft(Deal(args), GetParam().status, GetParam().says, folder.Path,
                            {"sub", "old.pdf=old", "hard.pdf=old", "soft.pdf=old"});
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SheetRefused,
    ::testing::Values(
        RefusedSheet{"NoFile", {"--seed", "7", "--worksheet"}, 2},
        RefusedSheet{"EmptyFile", {"--seed", "7", "--worksheet", ""}, 2},
        RefusedSheet{"NoSeed", {"--worksheet", "{dir}/w.pdf"}, 2},
        RefusedSheet{"NoSeedWithSettings", {"--show-settings", "--worksheet", "{dir}/w.pdf"}, 2},
        RefusedSheet{"PaperWithoutSheet", {"--seed", "7", "--paper", "letter"}, 2},
        RefusedSheet{"MaskWithoutSheet", {"--seed", "7", "--show-mask"}, 2},
        RefusedSheet{
            "UnknownPaper", {"--seed", "7", "--worksheet", "{dir}/w.pdf", "--paper=A5"}, 2},
        RefusedSheet{
            "MaskWithValue", {"--seed", "7", "--worksheet", "{dir}/w.pdf", "--show-mask=1"}, 2},
        RefusedSheet{"WithLayout", {"--seed", "7", "--layout", "--worksheet", "{dir}/w.pdf"}, 2},
        RefusedSheet{"TooMany",
                     {"--seed", "7", "--count", "1001", "--worksheet", "{dir}/w.pdf"},
                     2,
                     "from 1 to 1000 on a worksheet"},
        RefusedSheet{"CountPastAnyNumber",
                     {"--seed", "7", "--count", "99999999999", "--worksheet", "{dir}/w.pdf"},
                     2,
                     "from 1 to 1000"},
        RefusedSheet{"NoCount", {"--seed", "7", "--count", "0"}, 2, "from 1 to 2147483647"},
        RefusedSheet{"MissingFolder", {"--seed", "7", "--worksheet", "{dir}/none/w.pdf"}, 1},
        RefusedSheet{"AFolder", {"--seed", "7", "--worksheet", "{dir}/sub"}, 1},
        RefusedSheet{"KeyWithoutSheet", {"--seed", "7", "--answer-key", "{dir}/k.pdf"}, 2},
        RefusedSheet{"EmptyKey", {"--seed", "7", "--worksheet", "{dir}/w.pdf", "--answer-key="}, 2},
        RefusedSheet{"KeyIsTheSheet",
                     {"--seed", "7", "--worksheet", "{dir}/w.pdf", "--answer-key", "{dir}/./w.pdf"},
                     2,
                     "the answer key and the worksheet are the same file"},
        RefusedSheet{"KeyIsTheSheetRelative",
                     {"--seed", "7", "--worksheet", "{dir}/w.pdf", "--answer-key", "{rel}/w.pdf"},
                     2},
        RefusedSheet{
            "KeyIsTheSheetThroughAFolder",
            {"--seed", "7", "--worksheet", "{rel}/w.pdf", "--answer-key", "{dir}/sub/../w.pdf"},
            2},
        RefusedSheet{
            "KeyIsAHardLink",
            {"--seed", "7", "--worksheet", "{dir}/old.pdf", "--answer-key", "{dir}/hard.pdf"},
            2},
        RefusedSheet{
            "KeyIsASymbolicLink",
            {"--seed", "7", "--worksheet", "{dir}/soft.pdf", "--answer-key", "{rel}/old.pdf"},
            2},
        RefusedSheet{"KeyInsideAndNamed",
                     {"--seed", "7", "--worksheet", "{dir}/w.pdf", "--key-inside", "--answer-key",
                      "{dir}/k.pdf"},
                     2},
        RefusedSheet{"GridWithoutSheet", {"--seed", "7", "--grid"}, 2},
        RefusedSheet{
            "KeyInAMissingFolder",
            {"--seed", "7", "--worksheet", "{dir}/w.pdf", "--answer-key", "{dir}/no/k.pdf"},
            1},
        RefusedSheet{"KeyIsAFolder",
                     {"--seed", "7", "--worksheet", "{dir}/w.pdf", "--answer-key", "{dir}/sub"},
                     1},
        RefusedSheet{"SheetIsAFolderWithAKey",
                     {"--seed", "7", "--worksheet", "{dir}/sub", "--answer-key", "{dir}/k.pdf"},
                     1}),
    [](const auto& info) { return info.param.name; });

// A disk that fills up: the dealer's own writes fail (a file size limit, a small tmpfs when it can
// be mounted here); it exits 1 with one line and leaves neither file, sheet or key.
struct FullDisk {
  std::string name;
  std::string limit;  // "ulimit -f KB" or "tmpfs KB"
  std::vector<std::string> sheet;
  std::string says;
  friend std::ostream& operator<<(std::ostream& out, const FullDisk& c) { return out << c.name; }
};

class SheetOnAFullDisk : public ::testing::TestWithParam<FullDisk> {};

TEST_P(SheetOnAFullDisk, FailsWithOneLineAndLeavesNoFile) {
  const TTempFolder folder;
  const std::string dir = folder.Path.string(), size = GetParam().limit.substr(9);
  const bool tmpfs = GetParam().limit.starts_with("tmpfs");
  if (tmpfs &&
      RunProgram("mount", {"-t", "tmpfs", "-o", "size=" + size + "k", "tmpfs", dir}).status != 0) {
    GTEST_SKIP() << "no tmpfs can be mounted here";
  }
  std::vector<std::string> args{
      "-c",      tmpfs ? "exec \"$@\"" : "trap '' XFSZ; ulimit -f " + size + "; exec \"$@\"",
      "sh",      GAPWISE_DEAL,
      "--seed",  "7",
      "--count", "40"};
  args.insert(args.end(), GetParam().sheet.begin(), GetParam().sheet.end());
  for (std::string& arg : args) {
    if (arg.starts_with("{dir}")) arg.replace(0, 5, dir);
  }
  const TRun run = RunProgram("sh", args);
  ExpectOneErrorLineAndLeft(run, 1, GetParam().says, folder.Path, {});
  if (tmpfs) RunProgram("umount", {dir});
}

INSTANTIATE_TEST_SUITE_P(Limits, SheetOnAFullDisk,
                         ::testing::Values(FullDisk{"SheetPastAFileSizeLimit",
                                                    "ulimit -f 8",
                                                    {"--worksheet", "{dir}/s.pdf"},
                                                    "cannot write "},
                                           FullDisk{"KeyInsidePastAFileSizeLimit",
                                                    "ulimit -f 16",
                                                    {"--worksheet", "{dir}/s.pdf", "--key-inside"},
                                                    "File too large"},
                                           FullDisk{"SheetOnA24KTmpfs",
                                                    "tmpfs    24",
                                                    {"--worksheet", "{dir}/s.pdf"},
                                                    "No space left on device"},
                                           FullDisk{"KeyOnA48KTmpfs",
                                                    "tmpfs    48",
                                                    {"--worksheet", "{dir}/s.pdf", "--answer-key",
                                                     "{dir}/k.pdf"},
                                                    "k.pdf: No space left on device"}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace gapwise
