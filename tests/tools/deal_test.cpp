#include "tools/deal.h"

#include <gtest/gtest.h>

#include <sstream>

namespace gapwise {
namespace {

TEST(Deal, RequiresASeed) {
  std::ostringstream out, err;
  EXPECT_EQ(RunDealer({}, out, err), 2);
  EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace gapwise
