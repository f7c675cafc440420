#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/command_privileges.h"
#include "cli/interrupt_host.h"
#include "cli/sim_plate.h"
#include "core/host/clock.h"
#include "core/machine/machine_display.h"
#include "core/machine/motion_engine.h"
#include "core/machine/port_layer.h"
#include "core/settings/machine_parameters.h"
#include "hw/port_choice.h"

namespace pistora::cli {

// Machine messages go to the error stream; `quiet_program_lines` leaves out the program line
// being analysed or run (the run command's own output says where it is).
class ConsoleDisplay final : public MachineDisplay {
 public:
  ConsoleDisplay(std::ostream& err, bool quiet_program_lines) : err_(err), quiet_(quiet_program_lines) {}
  void ShowMessage(const std::string& text) override;

 private:
  std::ostream& err_;
  bool quiet_;
};

// What a command that drives the machine holds while it runs, built in this order: the clock, the
// port, the machine's state, the messages, Ctrl-C as STOP, the port layer (driver started).
struct CliMachine {
  CliMachine(std::unique_ptr<Clock> machine_clock, PortChoice chosen, std::ostream& err, bool quiet_program_lines)
      : clock(std::move(machine_clock)),
        port(std::move(chosen)),
        display(err, quiet_program_lines),
        host(state),
        port_layer(*port.port, *clock, display) {}

  std::unique_ptr<Clock> clock;
  std::string timing;  // the real-time set-up's note (empty on the virtual clock)
  PortChoice port;
  MachineState state;
  ConsoleDisplay display;
  InterruptHost host;
  PortLayer port_layer;
};

// Chooses the clock (the virtual one, or the steady one after the real-time set-up), chooses and
// opens the port, wires the simulated machine (its plate `surface` when given), then gives root up.
// nullptr when one of these fails: told on `err` as `pistora-cli <command> : …`, with the exit code
// in `*exit_code`.
std::unique_ptr<CliMachine> OpenCliMachine(const std::string& command, const std::string& port_option,
                                           bool virtual_clock, const MachineParameters& parameters,
                                           const std::optional<SimulatedSurface>& surface,
                                           const CommandPrivileges& privileges, bool quiet_program_lines,
                                           std::ostream& err, int* exit_code);

}  // namespace pistora::cli
