#include "core/machine/engine_iso_motion.h"

#include "core/machine/homing.h"

namespace pistora {

EngineIsoMotion::EngineIsoMotion(MotionEngine& engine, FeedSlider& slider)
    : engine_(engine), slider_(slider) {}

void EngineIsoMotion::MoveTo(double x, double y, double z) {
  if (engine_.MoveTo(x, y, z) == MoveOutcome::Refused && !engine_.State().StopFlag) {
    engine_.Alarm(engine_.LastRefusal());
  }
}

std::string EngineIsoMotion::StopReason() const { return engine_.StopReason(); }
int EngineIsoMotion::CurrentFeed() const { return engine_.State().WorkFeed; }
std::uint64_t EngineIsoMotion::WorkZeroEpoch() const { return engine_.State().WorkZeroEpoch; }

ToolPosition EngineIsoMotion::CurrentPosition() const {
  const auto& p = engine_.State().Position;
  return {p[0], p[1], p[2]};
}

void EngineIsoMotion::ZeroAxisX() { ZeroAxis(engine_, Axis::X); }
void EngineIsoMotion::ZeroAxisY() { ZeroAxis(engine_, Axis::Y); }
void EngineIsoMotion::ZeroAxisZ() { ZeroAxis(engine_, Axis::Z); }

void EngineIsoMotion::SetFeedFromProgram(int feed) {
  MachineState& state = engine_.State();
  slider_.SetPosition(feed);
  // The slider limits only when its position changes; the feed is limited in every case.
  state.WorkFeed = LimitFeed(feed, slider_.Maximum());
  if (feed_shown_) feed_shown_(state.WorkFeed);
}

bool EngineIsoMotion::StopLatched() const { return engine_.State().StopFlag; }

void EngineIsoMotion::ShowLine(const std::string& prefix_and_line) {
  engine_.Display().ShowMessage(prefix_and_line);
}

void EngineIsoMotion::ShowProgress(long line, long line_count) {
  if (progress_) progress_(line, line_count);
}

bool StatusTimerTick(MotionEngine& engine) {
  PortLayer& port = engine.Port();
  const SignalMap& signals = port.Signals();
  for (Axis axis : kAxes)
    if (signals.limit[AxisIndex(axis)].mask != 0) port.ReadLimit(axis);
  if (signals.estop.mask == 0) return false;
  const bool estop = port.ReadEStop();
  if (estop && !engine.State().StopFlag) engine.Alarm(kEStopStopMessage);
  return estop;
}

}  // namespace pistora
