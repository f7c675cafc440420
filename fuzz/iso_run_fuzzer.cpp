// .iso: a program run on the simulated machine (virtual clock, limit switches wired), with a
// budget of motion ticks per input so that a program of long moves ends in good time.
#include <cstdlib>

#include "core/machine/engine_iso_motion.h"
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

// Step and direction of X, Y, Z on D0 to D5 in turn, the three switches and the emergency stop
// on status pins, so that every way a move can stop is reached.
MachineParameters FuzzWiring() {
  MachineParameters p;
  std::uint8_t* const outputs[] = {&p.StepXOutput, &p.DirXOutput, &p.StepYOutput,
                                   &p.DirYOutput,  &p.StepZOutput, &p.DirZOutput};
  std::uint8_t pin = 0x01;
  for (std::uint8_t* output : outputs) {
    *output = pin;
    pin = static_cast<std::uint8_t>(pin << 1);
  }
  std::uint8_t* const inputs[] = {&p.LimitXInput, &p.LimitYInput, &p.LimitZInput, &p.EStopInput};
  pin = 0x08;
  for (std::uint8_t* input : inputs) {
    *input = pin;
    pin = static_cast<std::uint8_t>(pin << 1);
  }
  p.MinPulseUs = 10;
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
  engine.ApplyParameters(FuzzWiring());
  // Travel of 100 mm each way on X and Y, 40 mm on Z, from the start point.
  machine.SetTravel(Axis::X, -13333, 13333);
  machine.SetTravel(Axis::Y, -13333, 13333);
  machine.SetTravel(Axis::Z, -5333, 5333);
  state.WorkFeed = 400;

  // The machine window's side of a program run: feed words through the feed slider.
  FeedSlider slider(state.Parameters.MaxFeed, state.WorkFeed);
  slider.SetChangeHandler([&state](std::int32_t feed) { state.WorkFeed = feed; });
  EngineIsoMotion motion(engine, slider);
  const IsoRunResult result = RunIsoProgram(lines, motion, host);
  if (result.outcome == IsoRunOutcome::kRefused && result.status.ok()) std::abort();
  return 0;
}
