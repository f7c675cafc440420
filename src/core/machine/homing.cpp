#include "core/machine/homing.h"

#include <cmath>

#include "core/machine/wait.h"
#include "core/text/numbers.h"

namespace pistora {

double StepsPerMm(const MachineParameters& p, Axis axis) {
  switch (axis) {
    case Axis::X: return p.StepsPerMmX;
    case Axis::Y: return p.StepsPerMmY;
    case Axis::Z: return p.StepsPerMmZ;
  }
  return 0;
}

std::int64_t LimitBackOffSteps(const MachineParameters& p, Axis axis) {
  const double scale = StepsPerMm(p, axis);
  if (!(scale > 0) || !std::isfinite(scale) || p.LimitBackOffMm <= 0) return 0;
  return RoundHalfEvenToInt(static_cast<double>(p.LimitBackOffMm) * scale);
}

namespace {

// The most seek steps before the cycle gives up on a switch that never closes.
std::int64_t MaxSeekSteps(const MachineParameters& p, Axis axis) {
  const double scale = StepsPerMm(p, axis);
  if (!(scale > 0) || !std::isfinite(scale)) return 1;
  return std::max<std::int64_t>(1, static_cast<std::int64_t>(kMaxSeekTravelMm * scale));
}

// One axis of the cycle. `towards_positive`: the sense of the seek.
void HomeAxis(MotionEngine& engine, Axis axis, bool towards_positive, HomingResult& result) {
  MachineState& state = engine.State();
  PortLayer& port = engine.Port();
  Clock& clock = engine.GetClock();
  Host& host = engine.GetHost();
  const int i = AxisIndex(axis);
  const std::int64_t max_seek = MaxSeekSteps(state.Parameters, axis);
  SteadyTimingScope steady(clock);

  port.SetDirection(axis, towards_positive);
  bool met = false;
  // No step while the latch holds, not even the first one of a seek.
  while (!met && !state.StopFlag) {
    port.StepPulse(axis);
    ++result.seek_steps[i];
    WaitMicroseconds(clock, kSwitchStepWaitUs);
    host.PumpEvents();
    // Meeting the switch is the aim here, not a fault: only the emergency stop latches.
    met = port.ReadLimit(axis);
    if (!port.PortHealthy()) {
      engine.Alarm(kPortLostMessage + port.PortError());
    } else if (port.EStopSeen()) {
      engine.Alarm(kEStopStopMessage);
    } else if (!met && result.seek_steps[i] >= max_seek) {
      engine.Alarm(kSeekGaveUpMessage + std::string(1, "XYZ"[i]) + ".");
    }
  }
  if (met) state.LimitSide[i] = towards_positive ? 1 : -1;

  port.SetDirection(axis, !towards_positive);
  if (!state.StopFlag) {
    const std::int64_t steps = LimitBackOffSteps(state.Parameters, axis);
    for (std::int64_t n = 0; n < steps && !state.StopFlag; ++n) {
      WaitMicroseconds(clock, kSwitchStepWaitUs);
      port.StepPulse(axis);
      ++result.backoff_steps[i];
      host.PumpEvents();
    }
  }
  if (state.StopFlag) {
    result.outcome = HomingOutcome::kStopped;
    engine.Display().PaintStopDisc(true);
  }
  state.Position[i] = 0;
  ++state.WorkZeroEpoch;
  result.homed[i] = true;
  engine.ShowPositions();
}

}  // namespace

HomingResult HomeMachine(MotionEngine& engine) {
  HomingResult result;
  if (engine.Busy()) {
    engine.Display().ShowMessage(kBusyMessage);
    result.outcome = HomingOutcome::kRefused;
    return result;
  }
  MotionEngine::BusyScope busy(engine);
  const SignalMap& signals = engine.Port().Signals();
  // Z to the top, then X and Y to their minimum.
  constexpr struct {
    Axis axis;
    bool positive;
  } kOrder[] = {{Axis::Z, true}, {Axis::X, false}, {Axis::Y, false}};
  if (signals.limit[0].mask == 0 && signals.limit[1].mask == 0 && signals.limit[2].mask == 0) {
    engine.Display().ShowMessage(kNoHomingSwitchMessage);
    result.outcome = HomingOutcome::kRefused;
    return result;
  }
  for (const auto& step : kOrder) {
    if (signals.limit[AxisIndex(step.axis)].mask == 0) continue;
    HomeAxis(engine, step.axis, step.positive, result);
  }
  if (engine.State().StopFlag) result.outcome = HomingOutcome::kStopped;
  return result;
}

void ZeroAxis(MotionEngine& engine, Axis axis) {
  engine.State().Position[AxisIndex(axis)] = 0;
  ++engine.State().WorkZeroEpoch;
  engine.ShowPositions();
}

}  // namespace pistora
