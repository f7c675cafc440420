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

  // A stall beyond the lag limit restarts the schedule instead of bursting; the time it took is
  // made up 5 µs a tick: 750 µs lost, 150 ticks of 45 µs, then 50 µs again.
  clock.Advance(TickPacer::kMaxLagUs + 300);
  EXPECT_EQ(pacer.WaitTick(49), 750);  // deadline 360, now 1110
  const std::int64_t restart = clock.PeekMicros();
  for (int tick = 1; tick <= 151; ++tick) EXPECT_EQ(pacer.WaitTick(49), 0);
  EXPECT_EQ(clock.PeekMicros(), restart + 151 * 50 - 750);

  // TickWaitUs counts like WaitMicroseconds: the tick lasts one more microsecond.
  EXPECT_EQ(pacer.WaitTick(43), 0);
  EXPECT_EQ(clock.PeekMicros(), restart + 151 * 50 - 750 + 44);
}

// A stall's debt is bounded: a thread stopped for seconds does not run fast for ten times as long.
TEST(TickPacer, MakesUpAtMostTheDebtLimit) {
  VirtualClock clock(0);
  TickPacer pacer(clock);
  clock.Advance(5000000);
  EXPECT_GT(pacer.WaitTick(49), 0);
  const std::int64_t restart = clock.PeekMicros();
  const long ticks = TickPacer::kMaxDebtUs / TickPacer::kCatchUpUsPerTick + 100;
  for (long tick = 0; tick < ticks; ++tick) pacer.WaitTick(49);
  EXPECT_EQ(clock.PeekMicros(), restart + ticks * 50 - TickPacer::kMaxDebtUs);
}

// A tick of 5 ms (the longest cn.dat allows) ends within a slice once STOP is set, not at its end.
TEST(TickPacerTest, ALongTickEndsSoonAfterStop) {
  VirtualClock clock;
  TickPacer pacer(clock);
  std::atomic<bool> stop{false};
  const std::int64_t start = clock.PeekMicros();
  pacer.WaitTick(5000, &stop);
  EXPECT_GE(clock.PeekMicros() - start, 5001);
  stop = true;
  const std::int64_t stopped = clock.PeekMicros();
  pacer.WaitTick(5000, &stop);
  EXPECT_LE(clock.PeekMicros() - stopped, TickPacer::kStopCheckUs);
}

}  // namespace
}  // namespace pistora
