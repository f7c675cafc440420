#include "core/machine/wait.h"

#include <gtest/gtest.h>

#include "core/machine/tick_pacer.h"
#include "hw/virtual_clock.h"

namespace pistora {
namespace {

TEST(WaitMicroseconds, EndsOnlyWhenStrictlyMoreHasElapsed) {
  for (std::int64_t read_step : {0, 1, 7}) {
    for (std::int64_t us : {0, 1, 43, 60, 753}) {
      SCOPED_TRACE(::testing::Message() << "step " << read_step << " us " << us);
      VirtualClock clock(read_step);
      const std::int64_t start = clock.PeekMicros();
      const std::int64_t elapsed = WaitMicroseconds(clock, us);
      EXPECT_GT(elapsed, us);
      EXPECT_LE(elapsed, us + 1 + 2 * read_step);
      EXPECT_GE(clock.PeekMicros() - start, elapsed);
    }
  }
}

TEST(WaitMicroseconds, ReturnsAtOnceWithoutAHighResolutionClock) {
  VirtualClock clock(1, false);
  EXPECT_EQ(WaitMicroseconds(clock, 1000), 0);
  EXPECT_EQ(clock.PeekMicros(), 0);
}

TEST(TickPacer, KeepsAbsoluteDeadlinesAndMakesUpLateTicks) {
  VirtualClock clock(0);
  TickPacer pacer(clock);
  EXPECT_EQ(pacer.WaitTick(49), 0);
  EXPECT_EQ(clock.PeekMicros(), 50);
  pacer.AddPulse(60);
  EXPECT_EQ(pacer.WaitTick(49), 0);
  EXPECT_EQ(clock.PeekMicros(), 160);  // 50 + 60 pulse + 50

  clock.Advance(130);                  // work inside the tick ran long
  EXPECT_EQ(pacer.WaitTick(49), 80);   // deadline 210, now 290
  EXPECT_EQ(pacer.WaitTick(49), 30);   // deadline 260
  EXPECT_EQ(pacer.WaitTick(49), 0);    // deadline 310: back on schedule
  EXPECT_EQ(clock.PeekMicros(), 310);

  // A stall beyond the lag limit restarts the schedule instead of bursting.
  clock.Advance(TickPacer::kMaxLagUs + 300);
  EXPECT_GT(pacer.WaitTick(49), TickPacer::kMaxLagUs);
  const std::int64_t restart = clock.PeekMicros();
  EXPECT_EQ(pacer.WaitTick(49), 0);
  EXPECT_EQ(clock.PeekMicros(), restart + 50);

  // TickWaitUs counts like WaitMicroseconds: the tick lasts one more microsecond.
  EXPECT_EQ(pacer.WaitTick(43), 0);
  EXPECT_EQ(clock.PeekMicros(), restart + 50 + 44);
}

}  // namespace
}  // namespace pistora
