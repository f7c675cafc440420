#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/host/clock.h"
#include "core/host/port_io.h"
#include "hw/simulated_machine.h"

namespace pistora {

enum class PortBackend { Ppdev, Direct, Simulated, None };

// The port backend the user asked for, ready for the port layer.
struct PortChoice {
  std::unique_ptr<PortIo> port;
  PortBackend backend = PortBackend::None;
  SimulatedMachine* simulated = nullptr;  // the same object as `port` when simulated
  std::string description;                // what was chosen and why, for the message line
  std::string error;                      // an unknown choice, named; empty otherwise
};

inline constexpr const char* kPortEnvironmentVariable = "PISTORA_PORT";

// Picks the backend from the --port option's value (empty when not given) or else the
// PISTORA_PORT environment variable's value (empty when unset): auto (the default), ppdev,
// direct, sim or none. auto opens direct I/O at `port_base` (cn.dat's port: no other address
// is ever probed) if it works, else ppdev, else none; the other choices are opened later by
// StartPortDriver. An unknown value gives no port and an error. `clock` timestamps the
// simulated machine's edges and must outlive it.
PortChoice ChoosePort(std::string_view option, std::string_view environment, Clock& clock,
                      std::uint16_t port_base = 0x378);

// Why a port that would not open did not, for a message: its own reason, or what was chosen
// (a NullPort has no reason of its own: the description says why there is no port).
std::string PortRefusal(const PortChoice& choice);

// The value of "--port=VALUE" or "--port VALUE" among the arguments; empty when absent.
std::string FindPortOption(const std::vector<std::string>& args);

}  // namespace pistora
