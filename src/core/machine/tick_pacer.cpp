#include "core/machine/tick_pacer.h"

#include <algorithm>

namespace pistora {

TickPacer::TickPacer(Clock& clock) : clock_(clock), anchor_us_(clock.NowMicros()) {}

std::int64_t TickPacer::WaitTick(std::int64_t tick_wait_us, const std::atomic<bool>* stop) {
  if (!clock_.HighResolution()) return 0;
  // "Elapsed > TickWaitUs" on whole microseconds ends the wait TickWaitUs + 1 after the anchor.
  const std::int64_t catch_up = std::min(debt_us_, kCatchUpUsPerTick);
  const std::int64_t deadline = anchor_us_ + std::max<std::int64_t>(tick_wait_us + 1 - catch_up, 0);
  debt_us_ -= catch_up;
  std::int64_t now = clock_.NowMicros();
  if (now - deadline > kMaxLagUs) {
    anchor_us_ = now;
    debt_us_ = std::min(debt_us_ + (now - deadline), kMaxDebtUs);
    return now - deadline;
  }
  if (stop != nullptr) {
    // STOP must not wait for the end of a long tick.
    while (deadline - now > kStopCheckUs) {
      if (stop->load(std::memory_order_relaxed)) {
        anchor_us_ = now;
        return 0;
      }
      clock_.SleepUntilMicros(now + kStopCheckUs);
      now = clock_.NowMicros();
    }
  }
  clock_.SleepUntilMicros(deadline);
  while (now < deadline) now = clock_.NowMicros();
  anchor_us_ = deadline;
  return now - deadline;
}

void TickPacer::AddPulse(std::int64_t pulse_us) { anchor_us_ += std::max<std::int64_t>(pulse_us, 0); }

}  // namespace pistora
