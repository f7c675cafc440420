#include "core/machine/machine_session.h"

#include "core/machine/homing.h"
#include "core/machine/iso_program.h"

namespace pistora {

MachineSession::MachineSession(PortIo& port, Clock& clock, Host& host, SignalMapListener signal_map_listener)
    : port_layer_(port, clock, relay_),
      engine_(state_, port_layer_, clock, host, relay_),
      jogger_(engine_),
      iso_motion_(engine_, feed_slider_) {
  if (signal_map_listener) port_layer_.SetSignalMapListener(std::move(signal_map_listener));
  engine_.ApplyParameters(state_.Parameters);
  feed_slider_.SetMaximum(600);
  feed_slider_.SetPosition(150);
  port_layer_.StartPortDriver();
}

MachineSession::~MachineSession() { port_layer_.StopPortDriver(); }

void MachineSession::SetStartupNotes(const std::string& port_note, const std::string& timing_note) {
  startup_notes_ = port_note;
  if (!timing_note.empty()) startup_notes_ += (startup_notes_.empty() ? "" : " ") + timing_note;
}

std::string MachineSession::StartupMessage() const {
  std::string message = port_layer_.DriverMessage();
  if (!startup_notes_.empty()) message += " " + startup_notes_;
  return message;
}

void MachineSession::SetJobExtent(double x, double y) {
  extent_x_ = x;
  extent_y_ = y;
}

void MachineSession::SetCopies(int x, int y) {
  copies_x_ = x;
  copies_y_ = y;
}

JobSize MachineSession::RepetitionTotal() const {
  const double gap = state_.Parameters.CopyGap;
  return {pistora::RepetitionTotal(copies_x_, extent_x_, gap), pistora::RepetitionTotal(copies_y_, extent_y_, gap)};
}

void MachineSession::PlacementDone() {
  OnPlacementDone(buttons_);
  relay_.ShowProgramButtons(buttons_);
}

void MachineSession::MoveTo(double x, double y, double z) { engine_.MoveTo(x, y, z); }
ToolPosition MachineSession::CurrentPosition() const { return iso_motion_.CurrentPosition(); }
void MachineSession::ZeroAxisX() { ZeroAxis(engine_, Axis::X); }
void MachineSession::ZeroAxisY() { ZeroAxis(engine_, Axis::Y); }
void MachineSession::ZeroAxisZ() { ZeroAxis(engine_, Axis::Z); }
void MachineSession::SetFeedFromProgram(int feed) { iso_motion_.SetFeedFromProgram(feed); }
bool MachineSession::StopLatched() const { return state_.StopFlag; }
void MachineSession::HomeMachine() { pistora::HomeMachine(engine_); }
bool MachineSession::Busy() const { return program_running_ || engine_.Busy(); }

void MachineSession::LatchStop() { engine_.Alarm(kStopPressedMessage); }

void MachineSession::ResetStopLatch() {
  relay_.PaintStopDisc(false);
  state_.StopFlag = false;
  state_.StopReason.clear();
}

}  // namespace pistora
