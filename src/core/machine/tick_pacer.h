#pragma once

#include <atomic>
#include <cstdint>

#include "core/host/clock.h"

namespace pistora {

// Paces the 50 µs ticks of a move on absolute deadlines.
//
// Each tick waits until strictly more than TickWaitUs microseconds have passed since the end
// of the previous tick's wait, plus the step pulses made in between (each counted as
// MinPulseUs, as the step accumulator counts it). The time spent pumping events, writing the
// port and keeping the books is thus part of the wait instead of coming on top of it: a tick
// lasts TickWaitUs + 1 µs whatever the host does, and a tick that ends late is made up by the
// next ones, so the average feed stays exact. With TickWaitUs = 49 a tick lasts 50 µs.
//
// After a stall longer than kMaxLagUs (the processor taken from the thread, by the hypervisor
// of a virtual machine for milliseconds at times) the schedule restarts from now rather than
// firing a burst of catch-up ticks, which a stepper motor could not follow. The time lost (up to
// kMaxDebtUs) is made up gently instead: the following ticks are kCatchUpUsPerTick shorter, the
// steps some 10 % faster, until the move is back on its time and the real feed true again.
class TickPacer {
 public:
  static constexpr std::int64_t kMaxLagUs = 500;
  static constexpr std::int64_t kCatchUpUsPerTick = 5;
  static constexpr std::int64_t kMaxDebtUs = 100000;
  static constexpr std::int64_t kStopCheckUs = 500;

  explicit TickPacer(Clock& clock);

  // Waits for the end of the next tick. Returns the microseconds the wait ran late against
  // its deadline (0 when on time). With `stop`, a long wait (a TickWaitUs of milliseconds) is
  // slept in slices of kStopCheckUs and ends early once the flag is set.
  std::int64_t WaitTick(std::int64_t tick_wait_us, const std::atomic<bool>* stop = nullptr);

  // A step pulse of `pulse_us` was made during this tick: the next deadline moves by as much.
  void AddPulse(std::int64_t pulse_us);

 private:
  Clock& clock_;
  std::int64_t anchor_us_;  // end of the previous tick's wait (deadline), plus pulses since
  std::int64_t debt_us_ = 0;  // time lost to stalls not made up yet
};

}  // namespace pistora
