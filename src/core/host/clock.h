#pragma once

#include <cstdint>

namespace pistora {

// Time for pulse and tick pacing. The machine uses a monotonic clock with microsecond
// resolution; tests use a virtual clock whose reads advance time so busy waits end.
class Clock {
 public:
  virtual ~Clock() = default;

  // Monotonic microseconds since an arbitrary origin.
  virtual std::int64_t NowMicros() = 0;

  // Monotonic milliseconds since the same kind of origin (the move duration shown as real feed).
  virtual std::int64_t NowMillis() = 0;

  // False when the clock cannot time microsecond waits: waits then return at once.
  virtual bool HighResolution() const = 0;

  // Returns once NowMicros() has reached `deadline_us`; at once when it already has.
  // A real clock sleeps the bulk of the wait and spins the last stretch; a virtual clock
  // jumps to the deadline.
  virtual void SleepUntilMicros(std::int64_t deadline_us) = 0;

  // Bracket a stretch of pulse timing (a move, a homing cycle). A real clock may raise the
  // calling thread to real-time scheduling for the stretch only, so that the rest of the
  // program (image processing on the same thread) never runs at that priority. Calls nest.
  virtual void BeginSteadyTiming() {}
  virtual void EndSteadyTiming() {}
};

// BeginSteadyTiming / EndSteadyTiming for the lifetime of a scope.
class SteadyTimingScope {
 public:
  explicit SteadyTimingScope(Clock& clock) : clock_(clock) { clock_.BeginSteadyTiming(); }
  ~SteadyTimingScope() { clock_.EndSteadyTiming(); }
  SteadyTimingScope(const SteadyTimingScope&) = delete;
  SteadyTimingScope& operator=(const SteadyTimingScope&) = delete;

 private:
  Clock& clock_;
};

}  // namespace pistora
