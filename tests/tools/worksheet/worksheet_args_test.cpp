#include "sheet_support.h"

namespace gapwise {
namespace {

struct RefusedSheet {
  std::string name;
  std::vector<std::string> args;  // "{dir}" stands for an empty folder that holds a folder "sub"
  int status;                     // 2: bad arguments, with the usage; 1: the file cannot be written
  friend std::ostream& operator<<(std::ostream& out, const RefusedSheet& c) {
    return out << c.name;
  }
};

class SheetRefused : public ::testing::TestWithParam<RefusedSheet> {};

TEST_P(SheetRefused, WithOneErrorLineAndNothingWritten) {
  const TTempFolder folder;
  std::filesystem::create_directory(folder.Path / "sub");
  std::vector<std::string> args = GetParam().args;
  for (std::string& arg : args) {
    if (const auto at = arg.find("{dir}"); at != std::string::npos) {
      arg.replace(at, 5, folder.Path.string());
    }
  }
  const TRun run = Deal(args);
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_TRUE(run.out.empty()) << run.out;
  EXPECT_EQ(run.err.rfind("gapwise-deal: ", 0), 0u) << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  EXPECT_EQ(run.err.find("usage: ") != std::string::npos, GetParam().status == 2) << run.err;
  std::vector<std::filesystem::path> left;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path)) {
    left.push_back(entry.path().lexically_relative(folder.Path));
  }
  EXPECT_EQ(left, std::vector<std::filesystem::path>{"sub"});
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
        RefusedSheet{
            "TooMany", {"--seed", "7", "--count", "1001", "--worksheet", "{dir}/w.pdf"}, 2},
        RefusedSheet{"MissingFolder", {"--seed", "7", "--worksheet", "{dir}/none/w.pdf"}, 1},
        RefusedSheet{"AFolder", {"--seed", "7", "--worksheet", "{dir}/sub"}, 1},
        RefusedSheet{"KeyWithoutSheet", {"--seed", "7", "--answer-key", "{dir}/k.pdf"}, 2},
        RefusedSheet{"EmptyKey", {"--seed", "7", "--worksheet", "{dir}/w.pdf", "--answer-key="}, 2},
        RefusedSheet{"KeyIsTheSheet",
                     {"--seed", "7", "--worksheet", "{dir}/w.pdf", "--answer-key", "{dir}/./w.pdf"},
                     2},
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

}  // namespace
}  // namespace gapwise
