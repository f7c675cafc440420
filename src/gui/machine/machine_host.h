#pragma once

#include <functional>

#include "core/host/host.h"

namespace pistora {

// The machine window's host for moves, homing and program runs: pending window events run at
// every checkpoint (each 50 µs tick of a move, each homing step, each program line), so the
// STOP disc acts within one tick.
class WindowHost final : public Host {
 public:
  void PumpEvents() override;

  // Called at every PumpEvents before the events run (tests press buttons from a running loop
  // through it). An empty function removes it.
  void SetPumpHook(std::function<void()> hook) { hook_ = std::move(hook); }
  long Pumps() const { return pumps_; }

 private:
  std::function<void()> hook_;
  long pumps_ = 0;
};

}  // namespace pistora
