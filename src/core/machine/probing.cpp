#include "core/machine/probing.h"

#include <cmath>

#include "core/machine/tick_pacer.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {

namespace {

// The descent itself, under the busy mark; the lift comes after it as an ordinary move.
ProbeResult Descend(MotionEngine& engine, const ProbeSettings& settings) {
  ProbeResult result;
  MachineState& state = engine.State();
  PortLayer& port = engine.Port();
  MachineDisplay& display = engine.Display();
  const MachineParameters& p = state.Parameters;
  const SignalMap& signals = port.Signals();
  const double scale = p.StepsPerMmZ;
  if (state.StopFlag) {
    result.outcome = ProbeOutcome::kStopped;
    return result;
  }
  if (signals.probe.mask == 0) {
    display.ShowMessage(kProbeNotWiredMessage);
    return result;
  }
  if (!(settings.feed > 0) || !(settings.max_travel > 0) || !(scale > 0) || !std::isfinite(settings.feed) ||
      !std::isfinite(settings.max_travel) || !std::isfinite(scale)) {
    display.ShowMessage(kProbeSettingMessage);
    return result;
  }
  const std::uint8_t start_status = port.ReadStatus();
  if (!port.PortHealthy()) {
    engine.Alarm(kPortLostMessage + port.PortError());
    result.outcome = ProbeOutcome::kStopped;
    return result;
  }
  if (port.EStopSeen()) {
    engine.Alarm(kEStopStopMessage);
    result.outcome = ProbeOutcome::kStopped;
    return result;
  }
  if (InputActive(start_status, signals.probe)) {
    display.SetLamp(Lamp::Probe, true);
    display.ShowMessage(kProbeClosedMessage);
    return result;
  }

  // A Z switch already closed (the top one, as homing leaves it near) is left out until it opens:
  // the descent moves away from it.
  bool z_switch_left_out = signals.limit[2].mask != 0 && InputActive(start_status, signals.limit[2]);
  const std::int64_t period = RoundHalfEvenToInt(60.0e6 / (settings.feed * scale));
  const std::int64_t max_steps = static_cast<std::int64_t>(std::ceil(settings.max_travel * scale - 1e-9));
  port.SetDirection(Axis::Z, false);
  bool contact = false;
  std::int64_t accumulator = 0;
  SteadyTimingScope steady(engine.GetClock());
  TickPacer pacer(engine.GetClock());
  while (!contact && !state.StopFlag) {
    engine.GetHost().PumpEvents();
    if (state.StopFlag) break;
    pacer.WaitTick(p.TickWaitUs, &state.StopFlag);
    accumulator += MotionEngine::kTickUs;
    if (accumulator > period) {
      if (result.steps >= max_steps) {
        engine.Alarm(Fill(Tr("Palpeur : aucun contact sur %1 mm, machine arrêtée."),
                          {FormatFixed(settings.max_travel, 3)}));
        result.outcome = ProbeOutcome::kNoContact;
        break;
      }
      port.StepPulse(Axis::Z);
      if (!port.PortHealthy()) {
        engine.Alarm(kPortLostMessage + port.PortError());
        break;
      }
      pacer.AddPulse(p.MinPulseUs);
      ++result.steps;
      accumulator += p.MinPulseUs - period;
    }
    const std::uint8_t status = port.ReadStatus();
    if (!port.PortHealthy()) {
      engine.Alarm(kPortLostMessage + port.PortError());
      break;
    }
    if (port.EStopSeen()) {
      engine.Alarm(kEStopStopMessage);
      break;
    }
    const bool z_switch = signals.limit[2].mask != 0 && InputActive(status, signals.limit[2]);
    if (!z_switch) z_switch_left_out = false;
    if (z_switch && !z_switch_left_out) {
      engine.Alarm(kLimitStopMessage + std::string("Z."));
      break;
    }
    contact = InputActive(status, signals.probe);
  }
  display.SetLamp(Lamp::Probe, contact);
  state.Position[2] -= static_cast<double>(result.steps) / scale;
  engine.ShowPositions();
  if (contact) {
    result.outcome = ProbeOutcome::kContact;
    // The copper lies within the step that closed the probe: its middle halves the error.
    result.contact_z = state.Position[2] + 0.5 / scale;
  } else if (result.outcome != ProbeOutcome::kNoContact) {
    result.outcome = ProbeOutcome::kStopped;
    display.PaintStopDisc(true);
  }
  return result;
}

}  // namespace

ProbeResult ProbeDown(MotionEngine& engine, const ProbeSettings& settings) {
  if (engine.Busy()) {
    engine.Display().ShowMessage(kBusyMessage);
    return {};
  }
  const std::array<double, 3> start = engine.State().Position;
  ProbeResult result;
  {
    MotionEngine::BusyScope busy(engine);
    result = Descend(engine, settings);
  }
  if (result.outcome == ProbeOutcome::kContact &&
      engine.MoveTo(start[0], start[1], start[2]) != MoveOutcome::Completed) {
    result.outcome = ProbeOutcome::kStopped;
  }
  return result;
}

ProbeResult TouchOffZ(MotionEngine& engine, const ProbeSettings& settings) {
  ProbeResult result = ProbeDown(engine, settings);
  if (result.outcome != ProbeOutcome::kContact) return result;
  double& z = engine.State().Position[2];
  z += settings.plate_thickness - result.contact_z;
  result.contact_z = settings.plate_thickness;
  engine.ShowPositions();
  return result;
}

}  // namespace pistora
