// The Win32 backend's timers: their phase when a timer is enabled again.
#include "window_support.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/toolkit/timer.h"

namespace gapwise::win32_test {
namespace {

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

TEST(Timer, StartsEnabledKeepsItsPhaseWhenEnabledAgainAndRestartsAfterADisable) {
  const auto made = Clock::now();
  TTimer timer;
  std::vector<double> ticks;
  Clock::time_point from = made;
  timer.OnTimer = [&] { ticks.push_back(MsSince(from)); };
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000);
  Pump(400);
  timer.SetEnabled(true);  // no change: the running period goes on
  ASSERT_TRUE(PumpUntil([&] { return !ticks.empty(); }, 3000));
  EXPECT_LT(ticks[0], 1250) << "enabling an enabled timer restarted its period";
  EXPECT_GT(ticks[0], 850);
  timer.SetEnabled(false);
  ticks.clear();
  Pump(1300);
  EXPECT_TRUE(ticks.empty()) << "a disabled timer ticked";
  Pump(200);
  from = Clock::now();
  timer.SetEnabled(true);  // a fresh full period
  ASSERT_TRUE(PumpUntil([&] { return !ticks.empty(); }, 3000));
  EXPECT_GT(ticks[0], 850);
}

}  // namespace
}  // namespace gapwise::win32_test
