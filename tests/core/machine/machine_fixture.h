#pragma once

#include <functional>

#include "core/machine/motion_engine.h"
#include "core/machine/recording_port.h"
#include "hw/simulated_machine.h"
#include "hw/virtual_clock.h"

namespace pistora::testing {

// A host that counts pumps and runs an action on a chosen one (a click on STOP, a release).
class CountingHost final : public Host {
 public:
  void PumpEvents() override {
    ++pumps;
    if (pumps == trigger_at && action) action();
  }
  long pumps = 0;
  long trigger_at = -1;
  std::function<void()> action;
};

// Step and direction of X, Y, Z on D0 to D5, nothing inverted, no switch.
inline MachineParameters WiredAxes() {
  MachineParameters p;
  WireAxesOnLowDataBits(p);
  p.MinPulseUs = 60;
  p.TickWaitUs = 49;
  p.LimitBackOffMm = 5;
  return p;
}

// The machine window's engine over a simulated machine and a virtual clock.
class SimulatedRig {
 public:
  SimulatedRig()
      : machine(clock), layer(machine, clock, display), engine(state, layer, clock, host, display) {
    layer.SetSignalMapListener(
        [this](const SignalMap& m, std::uint16_t base) { machine.Configure(m, base); });
    layer.StartPortDriver();
    engine.ApplyParameters(WiredAxes());
    state.WorkFeed = 150;
  }
  void Apply(const MachineParameters& p) { engine.ApplyParameters(p); }
  std::int64_t TotalSteps() const {
    return machine.StepCount(Axis::X) + machine.StepCount(Axis::Y) + machine.StepCount(Axis::Z);
  }

  VirtualClock clock;
  SimulatedMachine machine;
  RecordingDisplay display;
  CountingHost host;
  MachineState state;
  PortLayer layer;
  MotionEngine engine;
};

}  // namespace pistora::testing
