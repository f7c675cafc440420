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

// Locks every page mapped now (the code, the machine session, the motion thread's stack) so that
// a move meets no page fault there. Pages mapped later are not locked: a large allocation of the
// windows (an artwork) must never fail on the locked-memory limit. False when refused.
bool LockCurrentMemory();

// Prepares what steady step pulses need, once at start: memory locked (LockCurrentMemory; call it
// again once the machine session exists), the shortest timer slack, and a check that SCHED_FIFO may be used (root or an
// RLIMIT_RTPRIO allowance). Without it the program goes on with normal scheduling, and the
// message says that the pace may be irregular.
RealTimeSetup PrepareRealTime(int priority = 50);

// The machine's real clock: CLOCK_MONOTONIC in microseconds.
//
// A wait spins to its deadline. Sleeping the bulk of a 50 µs tick does not pay inside a virtual
// machine or on a processor with deep idle states: a sleep of a few microseconds wakes 15 µs late
// typically and 30 to 50 µs late at p99, so a spin margin large enough to hide that leaves
// nothing to sleep. A spin margin can still be set (benchmarks compare both).
//
// In real-time mode the thread runs under SCHED_FIFO during steady stretches (moves), so no
// normal task takes the processor from it. A real-time thread that never leaves the processor
// is stopped for 50 ms every second by the kernel's real-time throttling (95 % by default): the
// spin therefore drops to normal priority for kNormalSpanUs after every kFifoSpanUs, staying on
// the processor (no sleep, no late wake-up) while the real-time budget is not used.
class SteadyClock final : public Clock {
 public:
  // Waits longer than the margin sleep until this much is left, then spin (0: spin whole).
  static constexpr std::int64_t kDefaultSpinMarginUs = 0;

  // Share of each 10 ms under SCHED_FIFO during a steady stretch: 90 %, below the 95 % budget.
  static constexpr std::int64_t kFifoSpanUs = 9000;
  static constexpr std::int64_t kNormalSpanUs = 1000;

  // With `real_time`, the calling thread runs under SCHED_FIFO at `priority` between
  // BeginSteadyTiming and EndSteadyTiming (see PrepareRealTime), in the spans above.
  explicit SteadyClock(bool real_time = false, int priority = 50);

  std::int64_t NowMicros() override;
  std::int64_t NowMillis() override;
  bool HighResolution() const override { return high_resolution_; }
  void SleepUntilMicros(std::int64_t deadline_us) override;
  void BeginSteadyTiming() override;
  void EndSteadyTiming() override;

  // Set once PrepareRealTime has run (the clock may be made before, for a port that needs it).
  void SetRealTime(bool real_time) { real_time_ = real_time; }

  void SetSpinMarginUs(std::int64_t margin_us) { spin_margin_us_ = margin_us; }
  std::int64_t SpinMarginUs() const { return spin_margin_us_; }

  // Whether the thread is under SCHED_FIFO now (real-time mode, inside a steady stretch and
  // outside its normal-priority span).
  bool InFifoSpan() const { return fifo_now_; }

 private:
  void ShareProcessor(std::int64_t now_us);
  void EnterFifo(std::int64_t now_us);
  void LeaveFifo(std::int64_t now_us, bool stretch_goes_on);

  bool high_resolution_;
  bool real_time_;
  int priority_;
  int steady_depth_ = 0;
  std::int64_t spin_margin_us_ = kDefaultSpinMarginUs;
  bool fifo_now_ = false;
  std::int64_t span_start_us_ = 0;  // when the current FIFO or normal span began
  int nice_ = 0;  // the thread's nice level before the stretch
};

}  // namespace pistora
