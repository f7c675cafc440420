#include "core/machine/motion_engine.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/machine/tick_pacer.h"
#include "core/text/numbers.h"

namespace pistora {
namespace {

// More steps than any one move of a real machine takes (7.5 km at 133 steps/mm).
constexpr std::int64_t kMaxMoveSteps = 1000000000;

}  // namespace

MovePlan PlanMove(const std::array<double, 3>& from, const std::array<double, 3>& to,
                  std::int32_t work_feed, const std::array<double, 3>& steps_per_mm) {
  MovePlan plan;
  double sum_squares = 0;
  for (int i = 0; i < 3; ++i) {
    plan.axis[i].delta_mm = to[i] - from[i];
    sum_squares += plan.axis[i].delta_mm * plan.axis[i].delta_mm;
  }
  plan.length_mm = std::sqrt(sum_squares);
  plan.duration_s = plan.length_mm * 60.0 / work_feed;
  for (int i = 0; i < 3; ++i) {
    AxisPlan& a = plan.axis[i];
    a.positive = a.delta_mm >= 0;
    const double scale = steps_per_mm[i];
    if (!(scale > 0) || !std::isfinite(scale)) continue;
    a.steps_signed = RoundHalfEvenToInt(a.delta_mm * scale);
    // A count beyond the 64-bit range saturates; its magnitude must still be representable.
    a.steps = a.steps_signed == std::numeric_limits<std::int64_t>::min()
                  ? std::numeric_limits<std::int64_t>::max()
                  : std::llabs(a.steps_signed);
    if (a.steps != 0) {
      a.period_us = plan.duration_s / static_cast<double>(a.steps) * 1000000.0;
      a.period = RoundHalfEvenToInt(a.period_us);
    }
  }
  return plan;
}

MotionEngine::MotionEngine(MachineState& state, PortLayer& port, Clock& clock, Host& host,
                           MachineDisplay& display)
    : state_(state), port_(port), clock_(clock), host_(host), display_(display) {}

void MotionEngine::ApplyParameters(const MachineParameters& parameters) {
  state_.Parameters = parameters;
  port_.SetParameters(parameters);
}

std::string MotionEngine::StopReason() const {
  const std::lock_guard<std::mutex> lock(reason_mutex_);
  return state_.StopReason;
}

void MotionEngine::ClearStopReason() {
  const std::lock_guard<std::mutex> lock(reason_mutex_);
  state_.StopReason.clear();
}

void MotionEngine::Alarm(const std::string& reason) {
  {
    const std::lock_guard<std::mutex> lock(reason_mutex_);
    state_.StopReason = reason;
  }
  state_.StopFlag = true;
  display_.PaintStopDisc(true);
  display_.ShowMessage(reason);
}

MoveOutcome MotionEngine::Refuse(const std::string& message) {
  last_refusal_ = message;
  display_.ShowMessage(message);
  return MoveOutcome::Refused;
}

void MotionEngine::ShowPositions() {
  display_.ShowPositions(FormatFixed(state_.Position[0], 3), FormatFixed(state_.Position[1], 3),
                         FormatFixed(state_.Position[2], 3));
}

MoveOutcome MotionEngine::MoveTo(double x, double y, double z) {
  last_steps_ = {0, 0, 0};
  last_refusal_.clear();
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) return Refuse(kBadTargetMessage);
  if (state_.WorkFeed <= 0) return Refuse(kNoFeedMessage);
  if (Busy()) return Refuse(kBusyMessage);
  BusyScope busy(*this);
  const MachineParameters& p = state_.Parameters;
  state_.MoveStartMs = clock_.NowMillis();
  const MovePlan plan = PlanMove(state_.Position, {x, y, z}, state_.WorkFeed,
                                 {p.StepsPerMmX, p.StepsPerMmY, p.StepsPerMmZ});
  for (const AxisPlan& a : plan.axis) {
    if (a.steps > kMaxMoveSteps) {
      // No machine travels that far: a slip of many digits, refused before any step.
      return Refuse(kBadTargetMessage);
    }
  }

  // Switches closed before the move: moving toward one is refused; the others are left out
  // until they open, so that a move away from a switch (or along another axis) is possible.
  const SignalMap& signals = port_.Signals();
  const bool inputs_wired = signals.estop.mask != 0 || signals.limit[0].mask != 0 ||
                            signals.limit[1].mask != 0 || signals.limit[2].mask != 0;
  std::array<bool, 3> left_out = {false, false, false};
  // A port that no longer answers reads 0: no switch is judged on it, the first pulse fails.
  const std::uint8_t start_status = inputs_wired ? port_.ReadStatus() : 0;
  if (inputs_wired && port_.PortHealthy()) {
    const std::uint8_t status = start_status;
    for (Axis axis : kAxes) {
      const int i = AxisIndex(axis);
      if (signals.limit[i].mask == 0 || !InputActive(status, signals.limit[i])) continue;
      const int side = state_.LimitSide[i] != 0 ? state_.LimitSide[i] : (axis == Axis::Z ? 1 : -1);
      const AxisPlan& a = plan.axis[i];
      if (a.steps != 0 && (a.positive ? 1 : -1) == side) {
        return Refuse(kTowardLimitMessage + std::string(1, "XYZ"[i]) + ".");
      }
      left_out[i] = true;
    }
    // A held emergency stop lets no step out, not even the first one of a move.
    if (!state_.StopFlag && port_.EStopSeen()) Alarm(kEStopStopMessage);
  }
  state_.LastMoveLength = plan.length_mm;

  for (Axis axis : kAxes) port_.SetDirection(axis, plan.axis[AxisIndex(axis)].positive);

  // Step accumulators count the time a tick stands for (50 µs) plus the pulses made; an axis
  // steps on the first tick its accumulator exceeds its period. A pulse takes MinPulseUs of
  // every axis's time, not only of its own axis: counting it only on the axis that stepped
  // would leave the other axes behind by all its pulses (40 ms over a 10 x 5 mm diagonal at
  // 150 mm/min), so that the axes no longer end together and the real feed falls short.
  std::array<std::int64_t, 3> accumulator = {0, 0, 0};
  std::array<std::int64_t, 3> remaining = {plan.axis[0].steps, plan.axis[1].steps,
                                           plan.axis[2].steps};
  std::array<std::int64_t, 3> made = {0, 0, 0};
  bool stopped = false;
  SteadyTimingScope steady(clock_);
  TickPacer pacer(clock_);
  while (remaining[0] != 0 || remaining[1] != 0 || remaining[2] != 0) {
    host_.PumpEvents();
    if (state_.StopFlag) {
      remaining = {0, 0, 0};
      stopped = true;
      display_.PaintStopDisc(true);
    }
    pacer.WaitTick(p.TickWaitUs, &state_.StopFlag);
    for (Axis axis : kAxes) {
      const int i = AxisIndex(axis);
      accumulator[i] += kTickUs;
      if (accumulator[i] > plan.axis[i].period && remaining[i] != 0) {
        port_.StepPulse(axis);
        if (!port_.PortHealthy()) {
          // The pulse did not reach the machine, and no later one would: stop, uncounted.
          stopped = true;
          remaining = {0, 0, 0};
          Alarm(kPortLostMessage + port_.PortError());
          break;
        }
        pacer.AddPulse(p.MinPulseUs);
        --remaining[i];
        ++made[i];
        accumulator[i] -= plan.axis[i].period;
        for (std::int64_t& a : accumulator) a += p.MinPulseUs;
      }
    }
    if (inputs_wired && !stopped) {
      // One status read a tick: every wired switch and the emergency stop, whatever moves.
      const std::uint8_t status = port_.ReadStatus();
      // A status read that failed gives 0, which may look like a closed switch: the reason to
      // stop is then the port, not the switch.
      if (!port_.PortHealthy()) {
        Alarm(kPortLostMessage + port_.PortError());
        continue;
      }
      for (int i = 0; i < 3; ++i) {
        if (signals.limit[i].mask == 0) continue;
        const bool closed = InputActive(status, signals.limit[i]);
        if (!closed) {
          left_out[i] = false;
          continue;
        }
        if (left_out[i] || state_.StopFlag) continue;
        if (plan.axis[i].steps != 0) state_.LimitSide[i] = plan.axis[i].positive ? 1 : -1;
        Alarm(kLimitStopMessage + std::string(1, "XYZ"[i]) + ".");
      }
      if (port_.EStopSeen() && !state_.StopFlag) Alarm(kEStopStopMessage);
    }
  }
  state_.MoveEndMs = clock_.NowMillis();

  const std::array<double, 3> scale = {p.StepsPerMmX, p.StepsPerMmY, p.StepsPerMmZ};
  for (int i = 0; i < 3; ++i) {
    last_steps_[i] = plan.axis[i].steps_signed < 0 ? -made[i] : made[i];
    if (made[i] != 0) state_.Position[i] += static_cast<double>(last_steps_[i]) / scale[i];
  }
  ShowPositions();

  // The feed over the length really travelled; a move too short to time, or cut short, shows
  // no figure rather than a wrong one.
  const std::int64_t elapsed_ms = state_.MoveEndMs - state_.MoveStartMs;
  double travelled_squares = 0;
  for (int i = 0; i < 3; ++i) {
    const double mm = made[i] != 0 ? static_cast<double>(made[i]) / scale[i] : 0.0;
    travelled_squares += mm * mm;
  }
  const bool measurable = !stopped && elapsed_ms >= kMinMeasuredMoveMs;
  display_.ShowRealFeed(measurable ? std::to_string(RoundHalfEvenToInt(std::sqrt(travelled_squares) * 60000.0 /
                                                                      static_cast<double>(elapsed_ms)))
                                   : "-");
  return stopped || state_.StopFlag ? MoveOutcome::Stopped : MoveOutcome::Completed;
}

}  // namespace pistora
