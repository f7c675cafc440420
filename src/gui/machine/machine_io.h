#pragma once

#include <QString>
#include <string>

namespace pistora {

class Clock;
class PortIo;
class SimulatedMachine;

// What the machine window drives: chosen once at start-up (the port backend, the clock).
struct MachineIo {
  PortIo* port = nullptr;      // null: no port (writes dropped, reads 0)
  SimulatedMachine* simulated = nullptr;  // the same object as `port` on a dry run
  Clock* clock = nullptr;      // null: the window's own steady clock (no real-time scheduling)
  std::string port_message;    // the port choice, for the message line (empty: nothing to say)
  std::string timing_message;  // whether real-time scheduling was obtained (empty: it was)
  QString folder;              // where cn.dat and the pictures are (empty: the executable's)
};

}  // namespace pistora
