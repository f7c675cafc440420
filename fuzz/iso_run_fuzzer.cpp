// .iso: a program run on the simulated machine (virtual clock, limit switches wired), with a
// budget of motion ticks per input so that a program of long moves ends in good time.
#include <cstdlib>

#include "core/machine/feed_slider.h"
#include "core/machine/iso_program.h"
#include "core/machine/motion_engine.h"
#include "core/machine/port_layer.h"
#include "fuzz_input_file.h"
#include "hw/simulated_machine.h"
#include "hw/virtual_clock.h"

namespace pistora {
namespace {

// Latches the stop (as the STOP disc would) once the budget of window-event pumps is spent.
class BudgetHost final : public Host {
 public:
  BudgetHost(MachineState& state, long budget) : state_(state), budget_(budget) {}
  void PumpEvents() override {
    if (++pumps_ >= budget_) state_.StopFlag = true;
  }

 private:
  MachineState& state_;
  long budget_;
  long pumps_ = 0;
};

// The machine window's side of a program run, over the real motion engine.
class EngineMotion final : public IsoMotion {
 public:
  EngineMotion(MotionEngine& engine, MachineState& state) : engine_(engine), state_(state) {}
  void MoveTo(double x, double y, double z) override {
    if (state_.StopFlag) return;
    (void)engine_.MoveTo(x, y, z);
  }
  ToolPosition CurrentPosition() const override {
    return {state_.Position[0], state_.Position[1], state_.Position[2]};
  }
  void ZeroAxisX() override { state_.Position[0] = 0; }
  void ZeroAxisY() override { state_.Position[1] = 0; }
  void ZeroAxisZ() override { state_.Position[2] = 0; }
  void SetFeedFromProgram(int feed) override {
    state_.WorkFeed = LimitFeed(feed, state_.Parameters.MaxFeed);
  }
  bool StopLatched() const override { return state_.StopFlag; }

 private:
  MotionEngine& engine_;
  MachineState& state_;
};

MachineParameters WiredParameters() {
  MachineParameters p;
  p.StepXOutput = 0x01;
  p.DirXOutput = 0x02;
  p.StepYOutput = 0x04;
  p.DirYOutput = 0x08;
  p.StepZOutput = 0x10;
  p.DirZOutput = 0x20;
  p.LimitXInput = 0x08;
  p.LimitYInput = 0x10;
  p.LimitZInput = 0x20;
  p.EStopInput = 0x40;
  p.MinPulseUs = 10;
  p.TickWaitUs = 49;
  p.MaxFeed = 600;
  return p;
}

}  // namespace
}  // namespace pistora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pistora;
  const std::string& path = fuzz::WriteInputFile(data, size, ".iso");
  std::vector<std::string> lines;
  if (!LoadIsoProgram(path, &lines)) return 0;

  VirtualClock clock;
  SimulatedMachine machine(clock);
  machine.SetRecording(false);
  MachineDisplay display;
  MachineState state;
  BudgetHost host(state, 20000);
  PortLayer layer(machine, clock, display);
  layer.SetSignalMapListener([&machine](const SignalMap& m, std::uint16_t base) { machine.Configure(m, base); });
  if (!layer.StartPortDriver()) std::abort();
  MotionEngine engine(state, layer, clock, host, display);
  engine.ApplyParameters(WiredParameters());
  // Travel of 100 mm each way on X and Y, 40 mm on Z, from the start point.
  machine.SetTravel(Axis::X, -13333, 13333);
  machine.SetTravel(Axis::Y, -13333, 13333);
  machine.SetTravel(Axis::Z, -5333, 5333);
  state.WorkFeed = 400;

  EngineMotion motion(engine, state);
  const IsoRunResult result = RunIsoProgram(lines, motion, host);
  if (result.outcome == IsoRunOutcome::kRefused && result.status.ok()) std::abort();
  return 0;
}
