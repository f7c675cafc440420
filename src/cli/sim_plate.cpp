#include "cli/sim_plate.h"

namespace pistora::cli {

Status ReadSimulatedSurface(const Args& args, bool simulated, std::optional<SimulatedSurface>* surface) {
  surface->reset();
  if (!args.Has("sim-surface")) return Status::Ok();
  if (!simulated) return Status::Error("--sim-surface ne sert qu'avec la machine simulée (--port sim)");
  std::string error;
  *surface = ParseSimulatedSurface(args.Get("sim-surface").value_or(""), &error);
  if (!*surface) return Status::Error(error);
  return Status::Ok();
}

void WireSimulatedProbe(MachineParameters& parameters) {
  if (parameters.ProbeInput == 0) parameters.ProbeInput = kSimulatedProbeInput;
}

void AttachSurface(SimulatedMachine& machine, const SimulatedSurface& surface, const MachineParameters& parameters) {
  machine.SetSurface([surface](double x, double y) { return surface.HeightAt(x, y); },
                     {parameters.StepsPerMmX, parameters.StepsPerMmY, parameters.StepsPerMmZ});
}

}  // namespace pistora::cli
