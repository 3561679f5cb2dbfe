#include "deal/deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "settings/empty_registry.h"

namespace gapwise {
namespace {

struct DealRun {
  int status;
  std::string out;
  std::string err;
};

DealRun Deal(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  reg::TEmptyRegistry registry;
  const int status = RunDealer(args, out, err, registry);
  return {status, out.str(), err.str()};
}

TEST(Deal, PrintsOnePuzzlePerLineInTheGamesOrder) {
  const DealRun run = Deal({"--seed", "2026", "--count", "4"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(
      run.out,
      R"({"kind":2,"cells":["9403","81","9403","75?24","761643"],"masked":3,"answer":"2","mask":"?","hidepos":3,"taillen":3}
{"kind":1,"cells":["5??9","3316","1923"],"masked":0,"answer":"23","mask":"??","hidepos":2,"taillen":3}
{"kind":2,"cells":["2784","34","1??36","8352","94656"],"masked":2,"answer":"11","mask":"??","hidepos":2,"taillen":4}
{"kind":2,"cells":["4?58","54","17832","22290","240732"],"masked":0,"answer":"4","mask":"?","hidepos":2,"taillen":3}
)");
  EXPECT_TRUE(run.err.empty());
}

TEST(Deal, MultipleChoiceAddsTheOfferedValuesLast) {
  const DealRun run = Deal({"--seed=77", "--count=2", "--kinds=3", "--multiple-choice"});
  EXPECT_EQ(
      run.out,
      R"({"kind":3,"cells":["91","24","2240","182","420","364","?6"],"masked":6,"answer":"5","mask":"?","hidepos":1,"taillen":2,"choices":["5","4","9","6"]}
{"kind":3,"cells":["64","71","4568","448","88","??","24"],"masked":5,"answer":"64","mask":"??","hidepos":1,"taillen":2,"choices":["04","21","64","83"]}
)");
}

TEST(Deal, TakesTheLargestSeedAndDefaultsToTenPuzzles) {
  const DealRun run = Deal({"--kinds", "2", "--seed", "4294967295"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(
      run.out.substr(0, run.out.find('\n')),
      R"({"kind":2,"cells":["??97","56","12582","10485","117432"],"masked":0,"answer":"20","mask":"??","hidepos":1,"taillen":4})");
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 10);
}

class DealRejects : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(DealRejects, WithAOneLineUsageErrorAndNothingOnStdout) {
  const DealRun run = Deal(GetParam());
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.out.empty());
  ASSERT_FALSE(run.err.empty());
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  EXPECT_NE(run.err.find("usage: gapwise-deal"), std::string::npos);
}

using Args = std::vector<std::string>;
INSTANTIATE_TEST_SUITE_P(
    BadArguments, DealRejects,
    ::testing::Values(Args{}, Args{"--seed"}, Args{"--seed", "abc"}, Args{"--seed", "-1"},
                      Args{"--seed", "4294967296"}, Args{"--seed", "1", "--count", "0"},
                      Args{"--seed", "1", "--count", "x"}, Args{"--seed", "1", "--kinds", "4"},
                      Args{"--seed", "1", "--kinds", "0,,1"}, Args{"--seed", "1", "--kinds", ""},
                      Args{"--seed", "1", "--kinds", "0,1,2,3,0"}, Args{"--seed", "1", "--fast"},
                      Args{"--seed", "1", "extra"}, Args{"--multiple-choice=yes", "--seed", "1"}));

}  // namespace
}  // namespace gapwise
