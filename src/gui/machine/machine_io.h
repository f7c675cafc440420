#pragma once

#include <QString>
#include <memory>
#include <string>

#include "gui/machine/machine_host.h"

namespace pistora {

class Clock;
class MachineSession;
class PortIo;
class SimulatedMachine;

// What the machine is driven through: chosen once at start-up (the port backend, the clock).
struct MachineIo {
  PortIo* port = nullptr;      // null: no port (writes dropped, reads 0)
  SimulatedMachine* simulated = nullptr;  // the same object as `port` on a dry run
  Clock* clock = nullptr;      // null: a steady clock of its own (no real-time scheduling)
  std::string port_message;    // the port choice, for the message line (empty: nothing to say)
  std::string timing_message;  // whether real-time scheduling was obtained (empty: it was)
  QString folder;              // where cn.dat and the pictures are (empty: the executable's)
  // Moves on a dedicated motion thread (the program); false: on the window thread, letting
  // window events run at each tick (window tests on a virtual clock).
  bool motion_thread = false;
};

// The run's machine session over the start-up choices, with what they leave open (no port, a
// steady clock) and the window host that lets events run during an analysis (and during moves
// when they run on the window thread). A simulated machine
// decodes the data register with the session's wiring.
class MachineLink {
 public:
  explicit MachineLink(const MachineIo& io);
  ~MachineLink();
  MachineLink(const MachineLink&) = delete;
  MachineLink& operator=(const MachineLink&) = delete;

  MachineSession& Session() { return *session_; }
  WindowHost& Host() { return host_; }

 private:
  std::unique_ptr<PortIo> own_port_;
  std::unique_ptr<Clock> own_clock_;
  WindowHost host_;
  std::unique_ptr<MachineSession> session_;
};

}  // namespace pistora
