#include "core/machine/jogging.h"

#include <cmath>

#include "core/machine/homing.h"
#include "core/machine/wait.h"
#include "core/text/numbers.h"

namespace pistora {

namespace {

struct JogArrow {
  JogDirection direction;
  std::string_view text;
  Axis axis;
  bool positive;
};

constexpr JogArrow kArrows[] = {
    {JogDirection::kDroite, "droite", Axis::X, true},
    {JogDirection::kGauche, "gauche", Axis::X, false},
    {JogDirection::kDevant, "devant", Axis::Y, true},
    {JogDirection::kDerriere, "derriere", Axis::Y, false},
    {JogDirection::kHaut, "haut", Axis::Z, true},
    {JogDirection::kBas, "bas", Axis::Z, false},
};

}  // namespace

std::string_view JogDirectionText(JogDirection direction) {
  for (const JogArrow& a : kArrows)
    if (a.direction == direction) return a.text;
  return "";
}

JogDirection JogDirectionFromText(std::string_view text) {
  for (const JogArrow& a : kArrows)
    if (a.text == text) return a.direction;
  return JogDirection::kNone;
}

JogAxis JogAxisOf(JogDirection direction) {
  for (const JogArrow& a : kArrows)
    if (a.direction == direction) return {a.axis, a.positive};
  return {};
}

std::int64_t JogStepPeriodUs(std::int32_t work_feed, double steps_per_mm) {
  if (work_feed <= 0 || !(steps_per_mm > 0) || !std::isfinite(steps_per_mm)) return 0;
  const double steps_per_second = static_cast<double>(work_feed) * steps_per_mm / 60.0;
  return RoundHalfEvenToInt(1.0 / steps_per_second * 1000000.0);
}

void JogSchedule::Start(std::int64_t now_us) { due_us_ = now_us; }

std::int64_t JogSchedule::Next(std::int64_t now_us) {
  due_us_ += period_us_;
  if (now_us - due_us_ > period_us_) due_us_ = now_us;  // far behind: no burst
  return due_us_;
}

Jogger::Jogger(MotionEngine& engine) : engine_(engine) {}

bool Jogger::Press(JogDirection direction) {
  direction_ = JogDirection::kNone;
  counters_ = {0, 0, 0};
  switch_seen_open_ = false;
  if (direction == JogDirection::kNone) return false;
  const MachineState& state = engine_.State();
  const JogAxis jog = JogAxisOf(direction);
  period_us_ = JogStepPeriodUs(state.WorkFeed, StepsPerMm(state.Parameters, jog.axis));
  if (period_us_ <= 0) return false;
  direction_ = direction;
  return true;
}

JogStepOutcome Jogger::Step() {
  if (direction_ == JogDirection::kNone) return JogStepOutcome::kIdle;
  MachineState& state = engine_.State();
  if (state.StopFlag) return JogStepOutcome::kBlocked;
  if (engine_.Busy()) return JogStepOutcome::kBusy;
  MotionEngine::BusyScope busy(engine_);
  PortLayer& port = engine_.Port();
  const JogAxis jog = JogAxisOf(direction_);
  const int i = AxisIndex(jog.axis);

  // Read regardless of the wiring: an unwired switch counts as active when marked inverted.
  const bool limit = port.ReadLimit(jog.axis);
  if (port.EStopSeen()) {
    state.StopFlag = true;
    engine_.Display().PaintStopDisc(true);
    return JogStepOutcome::kEStopped;
  }
  // A switch closed since the press, on a side known from an earlier stop (or homing): a jog away
  // from it is allowed, a jog toward it backs off as below. One that closes during the jog is on
  // the jog's side.
  const int jog_side = jog.positive ? 1 : -1;
  const bool away_from_switch = limit && !switch_seen_open_ && state.LimitSide[i] != 0 && state.LimitSide[i] != jog_side;
  if (!limit) switch_seen_open_ = true;
  if (limit && switch_seen_open_) state.LimitSide[i] = jog_side;
  if (!limit || away_from_switch) {
    port.SetDirection(jog.axis, jog.positive);
    port.StepPulse(jog.axis);
    counters_[i] += jog.positive ? 1 : -1;
    return JogStepOutcome::kStepped;
  }

  // Back off the switch at the homing pace; the steps count in the shown position.
  Clock& clock = engine_.GetClock();
  Host& host = engine_.GetHost();
  SteadyTimingScope steady(clock);
  port.SetDirection(jog.axis, !jog.positive);
  const std::int64_t steps = LimitBackOffSteps(state.Parameters, jog.axis);
  in_backoff_ = true;
  for (std::int64_t n = 0; n < steps && !state.StopFlag; ++n) {
    WaitMicroseconds(clock, kSwitchStepWaitUs);
    port.StepPulse(jog.axis);
    counters_[i] += jog.positive ? -1 : 1;
    host.PumpEvents();  // the arrow's release may come here: it waits for the back-off's end
  }
  in_backoff_ = false;
  state.StopFlag = true;
  engine_.Display().PaintStopDisc(true);
  if (release_pending_) {
    release_pending_ = false;
    Release();
  }
  return JogStepOutcome::kBackedOff;
}

bool Jogger::Release() {
  if (in_backoff_) {
    release_pending_ = true;
    return true;
  }
  const bool held = direction_ != JogDirection::kNone;
  direction_ = JogDirection::kNone;
  MachineState& state = engine_.State();
  for (Axis axis : kAxes) {
    const int i = AxisIndex(axis);
    if (counters_[i] != 0)
      state.Position[i] += static_cast<double>(counters_[i]) / StepsPerMm(state.Parameters, axis);
  }
  counters_ = {0, 0, 0};
  if (held) engine_.ShowPositions();
  return held;
}

}  // namespace pistora
