#pragma once

#include <cstdint>
#include <string>

#include "core/host/clock.h"

namespace pistora {

// Outcome of preparing the process for steady pulse timing.
struct RealTimeSetup {
  bool real_time = false;  // SCHED_FIFO may be used during moves
  std::string message;     // for the machine window's message line; empty when all went well
};

// Prepares what steady step pulses need, once at start: memory locked (no page fault inside a
// move), the shortest timer slack, and a check that SCHED_FIFO may be used (root or an
// RLIMIT_RTPRIO allowance). Without it the program goes on with normal scheduling, and the
// message says that the pace may be irregular.
RealTimeSetup PrepareRealTime(int priority = 50);

// The machine's real clock: CLOCK_MONOTONIC in microseconds. A wait sleeps until a little
// before its deadline and spins the rest, so the processor is free for most of each 50 µs tick
// while the deadline itself is met to a few microseconds (given real-time scheduling).
class SteadyClock final : public Clock {
 public:
  // Waits shorter than this are spun entirely; longer ones sleep until this much is left.
  // A sleep here wakes 20 µs late typically and 40 µs late at p99, so the margin is most of a
  // 50 µs tick: only a few microseconds are asked of each sleep, and its late wake-up is the
  // rest of the processor's rest.
  static constexpr std::int64_t kDefaultSpinMarginUs = 35;

  // A real-time thread that never sleeps is stopped for 50 ms every second by the kernel's
  // real-time throttling. In real-time mode, when the thread was off the processor for less
  // than kMinSleepShare of a kSleepWindowUs window (an event pump that eats the tick, a margin
  // too large for the machine), the next window sleeps each wait whole.
  static constexpr std::int64_t kSleepWindowUs = 10000;
  static constexpr double kMinSleepShare = 0.10;

  // With `real_time`, the calling thread runs under SCHED_FIFO at `priority` between
  // BeginSteadyTiming and EndSteadyTiming (see PrepareRealTime), and waits sleep then spin.
  // Without it waits spin whole: a normal thread wakes from a sleep too late for a 50 µs tick.
  explicit SteadyClock(bool real_time = false, int priority = 50);

  std::int64_t NowMicros() override;
  std::int64_t NowMillis() override;
  bool HighResolution() const override { return high_resolution_; }
  void SleepUntilMicros(std::int64_t deadline_us) override;
  void BeginSteadyTiming() override;
  void EndSteadyTiming() override;

  // 0 or less: spin every wait (the plain busy wait; in real-time mode the guard above still
  // makes a window sleep after a window that did not).
  void SetSpinMarginUs(std::int64_t margin_us) { spin_margin_us_ = margin_us; }
  std::int64_t SpinMarginUs() const { return spin_margin_us_; }

 private:
  bool high_resolution_;
  bool real_time_;
  int priority_;
  int steady_depth_ = 0;
  std::int64_t spin_margin_us_ = kDefaultSpinMarginUs;
  std::int64_t window_start_us_ = 0;
  std::int64_t window_cpu_us_ = 0;  // the thread's processor time at the window's start
  bool sleep_whole_ = false;  // the last window hardly slept
};

}  // namespace pistora
