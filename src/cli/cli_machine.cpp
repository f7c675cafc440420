#include "cli/cli_machine.h"

#include "core/machine/iso_program.h"
#include "hw/steady_clock.h"
#include "hw/virtual_clock.h"

namespace pistora::cli {

void ConsoleDisplay::ShowMessage(const std::string& text) {
  if (quiet_ && (text.rfind(kRunPrefix, 0) == 0 || text.rfind(kAnalysePrefix, 0) == 0)) return;
  err_ << text << "\n";
}

std::unique_ptr<CliMachine> OpenCliMachine(const std::string& command, const std::string& port_option,
                                           bool virtual_clock, const MachineParameters& parameters,
                                           const std::optional<SimulatedSurface>& surface,
                                           const CommandPrivileges& privileges, bool quiet_program_lines,
                                           std::ostream& err, int* exit_code) {
  std::unique_ptr<Clock> clock;
  std::string timing;
  if (virtual_clock) {
    clock = std::make_unique<VirtualClock>();
  } else {
    const RealTimeSetup real_time = PrepareRealTime();
    timing = real_time.message;
    clock = std::make_unique<SteadyClock>(real_time.real_time);
  }
  PortChoice port = ChoosePort(port_option, "", *clock, parameters.PortBase);
  if (!port.error.empty()) {
    err << "pistora-cli " << command << " : " << port.error << "\n";
    *exit_code = 2;
    return nullptr;
  }
  auto machine = std::make_unique<CliMachine>(std::move(clock), std::move(port), err, quiet_program_lines);
  machine->timing = timing;
  if (SimulatedMachine* simulated = machine->port.simulated) {
    machine->port_layer.SetSignalMapListener(
        [simulated](const SignalMap& map, std::uint16_t base) { simulated->Configure(map, base); });
    simulated->SetRecording(false);
    if (surface) AttachSurface(*simulated, *surface, parameters);
  }
  if (!machine->port_layer.StartPortDriver()) {
    err << "pistora-cli " << command << " : " << machine->port_layer.DriverMessage() << " ("
        << PortRefusal(machine->port) << ")\n";
    *exit_code = 1;
    return nullptr;
  }
  if (!GiveUpRoot(command, privileges, err)) {
    *exit_code = 1;
    return nullptr;
  }
  return machine;
}

}  // namespace pistora::cli
