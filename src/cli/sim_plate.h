#pragma once

#include <optional>

#include "cli/cli_args.h"
#include "core/machine/forwarding_motion.h"
#include "core/settings/machine_parameters.h"
#include "hw/simulated_machine.h"
#include "hw/simulated_surface.h"

namespace pistora::cli {

// The --sim-surface option of `run` and `probe`: absent gives nullopt; present, it must read and
// go with --port sim, or the error says why.
Status ReadSimulatedSurface(const Args& args, bool simulated, std::optional<SimulatedSurface>* surface);

// The status pin the simulated probe closes when cn.dat wires none (paper-out, pin 12).
inline constexpr std::uint8_t kSimulatedProbeInput = 0x20;
void WireSimulatedProbe(MachineParameters& parameters);

// Lays the plate under the simulated machine's tool.
void AttachSurface(SimulatedMachine& machine, const SimulatedSurface& surface, const MachineParameters& parameters);

// Tells the simulated machine which program moves cut: those whose both ends are below the
// work zero, in the program's own frame (before any height-map correction).
class CuttingMarkMotion final : public ForwardingMotion {
 public:
  CuttingMarkMotion(IsoMotion& inner, SimulatedMachine& machine) : ForwardingMotion(inner), machine_(machine) {}
  void MoveTo(double x, double y, double z) override {
    machine_.SetCutting(inner_.CurrentPosition().z < 0 && z < 0);
    inner_.MoveTo(x, y, z);
    machine_.SetCutting(false);
  }

 private:
  SimulatedMachine& machine_;
};

}  // namespace pistora::cli
