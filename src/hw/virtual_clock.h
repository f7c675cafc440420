#pragma once

#include <algorithm>
#include <cstdint>

#include "core/host/clock.h"

namespace pistora {

// A clock for tests and dry runs: time stands still except that every read advances it by a
// fixed step and a sleep jumps to its deadline. Busy waits therefore end, a move of several
// seconds runs in milliseconds, and every timestamp is reproducible.
class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(std::int64_t read_step_us = 1, bool high_resolution = true)
      : read_step_us_(read_step_us), high_resolution_(high_resolution) {}

  std::int64_t NowMicros() override {
    const std::int64_t now = now_us_;
    now_us_ += read_step_us_;
    return now;
  }
  std::int64_t NowMillis() override { return NowMicros() / 1000; }
  bool HighResolution() const override { return high_resolution_; }
  void SleepUntilMicros(std::int64_t deadline_us) override {
    now_us_ = std::max(now_us_, deadline_us);
  }

  // The current time, without advancing it.
  std::int64_t PeekMicros() const { return now_us_; }
  void Advance(std::int64_t us) { now_us_ += us; }
  void SetHighResolution(bool on) { high_resolution_ = on; }

 private:
  std::int64_t now_us_ = 0;
  std::int64_t read_step_us_;
  bool high_resolution_;
};

}  // namespace pistora
