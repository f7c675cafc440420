#include "hw/steady_clock.h"

#include <gtest/gtest.h>

#include <sched.h>

#include <chrono>

#include "core/machine/wait.h"

namespace pistora {
namespace {

TEST(SteadyClock, WaitsAtLeastTheTimeAskedWhetherItSleepsOrSpins) {
  SteadyClock clock;
  ASSERT_TRUE(clock.HighResolution());
  for (std::int64_t margin : {std::int64_t{0}, SteadyClock::kDefaultSpinMarginUs}) {
    SCOPED_TRACE(margin);
    clock.SetSpinMarginUs(margin);
    for (std::int64_t us : {0, 50, 2000}) {
      const auto start = std::chrono::steady_clock::now();
      const std::int64_t elapsed = WaitMicroseconds(clock, us);
      const auto real = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::steady_clock::now() - start).count();
      EXPECT_GT(elapsed, us);
      EXPECT_GE(real, us);
    }
    const std::int64_t deadline = clock.NowMicros() + 300;
    clock.SleepUntilMicros(deadline);
    EXPECT_GE(clock.NowMicros(), deadline);
  }
}

TEST(SteadyClock, RaisesTheThreadOnlyForSteadyStretches) {
  const RealTimeSetup setup = PrepareRealTime();
  if (!setup.real_time) {
    EXPECT_NE(setup.message.find("temps réel"), std::string::npos) << setup.message;
    GTEST_SKIP() << "real-time scheduling not allowed here";
  }
  ASSERT_EQ(sched_getscheduler(0), SCHED_OTHER);
  SteadyClock clock(true);
  {
    SteadyTimingScope move(clock);
    EXPECT_EQ(sched_getscheduler(0), SCHED_FIFO);
    {
      SteadyTimingScope nested(clock);  // a homing cycle calling MoveTo
    }
    EXPECT_EQ(sched_getscheduler(0), SCHED_FIFO);
  }
  EXPECT_EQ(sched_getscheduler(0), SCHED_OTHER);

  SteadyClock normal(false);
  SteadyTimingScope move(normal);
  EXPECT_EQ(sched_getscheduler(0), SCHED_OTHER);
}

}  // namespace
}  // namespace pistora
