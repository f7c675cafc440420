#pragma once

#include "core/host/host.h"
#include "core/machine/motion_engine.h"

namespace pistora::cli {

// Ctrl-C (SIGINT) and SIGTERM act as the STOP disc while one is alive: the latch is set at the
// next tick, and the command ends with every output low. The previous handlers come back with
// its end.
class InterruptHost final : public Host {
 public:
  explicit InterruptHost(MachineState& state);
  ~InterruptHost() override;
  InterruptHost(const InterruptHost&) = delete;
  InterruptHost& operator=(const InterruptHost&) = delete;
  void PumpEvents() override;

 private:
  MachineState& state_;
  void (*previous_int_)(int);
  void (*previous_term_)(int);
};

}  // namespace pistora::cli
