#include "gui/machine/machine_io.h"

#include "core/machine/machine_session.h"
#include "hw/null_port.h"
#include "hw/simulated_machine.h"
#include "hw/steady_clock.h"

namespace pistora {

MachineLink::MachineLink(const MachineIo& io) {
  PortIo* port = io.port;
  if (port == nullptr) {
    own_port_ = std::make_unique<NullPort>();
    port = own_port_.get();
  }
  Clock* clock = io.clock;
  if (clock == nullptr) {
    own_clock_ = std::make_unique<SteadyClock>(false);
    clock = own_clock_.get();
  }
  MachineSession::SignalMapListener listener;
  if (SimulatedMachine* simulated = io.simulated) {
    listener = [simulated](const SignalMap& map, std::uint16_t base) { simulated->Configure(map, base); };
  }
  const MotionThread::Mode mode = io.motion_thread ? MotionThread::Mode::kThread : MotionThread::Mode::kInline;
  session_ = std::make_unique<MachineSession>(*port, *clock, host_, std::move(listener), mode);
  session_->SetStartupNotes(io.port_message, io.timing_message);
}

MachineLink::~MachineLink() = default;

}  // namespace pistora
