#pragma once

#include "core/machine/fake_iso_motion.h"
#include "core/machine/setup_motion.h"

namespace pistora {

// FakeIsoMotion with the homing cycle and the busy state of the set-up tools. Homing takes the
// tool to the machine's home and makes that the work zero, unless the stop latch is set.
class FakeSetupMotion : public SetupMotion {
 public:
  FakeIsoMotion fake;  // the moves, the zeroes and the latch
  bool busy = false;
  bool stop_while_homing = false;  // STOP pressed during the homing cycle: the tool stays put
  int homings = 0;

  void MoveTo(double x, double y, double z) override { fake.MoveTo(x, y, z); }
  ToolPosition CurrentPosition() const override { return fake.CurrentPosition(); }
  void ZeroAxisX() override { fake.ZeroAxisX(); }
  void ZeroAxisY() override { fake.ZeroAxisY(); }
  void ZeroAxisZ() override { fake.ZeroAxisZ(); }
  void SetFeedFromProgram(int feed) override { fake.SetFeedFromProgram(feed); }
  bool StopLatched() const override { return fake.StopLatched(); }
  void HomeMachine() override {
    ++homings;
    fake.events.push_back("home");
    if (stop_while_homing) fake.stop = true;
    if (fake.stop) return;
    fake.machine = {};
    fake.work_zero = {};
  }
  bool Busy() const override { return busy; }
  void LatchStop() override { fake.stop = true; }
  void ResetStopLatch() override { fake.stop = false; }
};

}  // namespace pistora
