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
  for (std::int64_t margin : {std::int64_t{0}, std::int64_t{35}}) {
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

  // A long move: the thread leaves FIFO for a normal-priority span after every FIFO span, so
  // the kernel's real-time throttling never stops it, and comes back to FIFO.
  {
    SteadyTimingScope move(clock);
    int fifo = 0;
    int normal_ticks = 0;
    const std::int64_t end = clock.NowMicros() + 3 * (SteadyClock::kFifoSpanUs + SteadyClock::kNormalSpanUs);
    for (std::int64_t t = clock.NowMicros(); t < end; t += 50) {
      clock.SleepUntilMicros(t + 50);
      const bool in_fifo = sched_getscheduler(0) == SCHED_FIFO;
      EXPECT_EQ(in_fifo, clock.InFifoSpan());
      (in_fifo ? fifo : normal_ticks) += 1;
    }
    const double share = static_cast<double>(fifo) / (fifo + normal_ticks);
    EXPECT_GT(normal_ticks, 0);
    EXPECT_GT(share, 0.8);
    EXPECT_LT(share, 0.95);
  }
  EXPECT_EQ(sched_getscheduler(0), SCHED_OTHER);

  SteadyClock normal(false);
  SteadyTimingScope move(normal);
  EXPECT_EQ(sched_getscheduler(0), SCHED_OTHER);
}

}  // namespace
}  // namespace pistora
