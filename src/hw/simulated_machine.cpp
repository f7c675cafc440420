#include "hw/simulated_machine.h"

#include <cstdio>

namespace pistora {

SimulatedMachine::SimulatedMachine(Clock& clock, std::uint16_t base) : clock_(clock), base_(base) {
  travel_min_.fill(std::numeric_limits<std::int64_t>::min());
  travel_max_.fill(std::numeric_limits<std::int64_t>::max());
}

bool SimulatedMachine::Open() {
  if (disconnected_) {
    Fail("port parallèle simulé débranché");
    return false;
  }
  open_ = true;
  return true;
}

void SimulatedMachine::Close() { open_ = false; }

std::string SimulatedMachine::Description() const {
  char text[64];
  std::snprintf(text, sizeof text, "machine simulée (%Xh)", static_cast<unsigned>(base_));
  return text;
}

void SimulatedMachine::Configure(const SignalMap& signal_map, std::uint16_t base) {
  signals_ = signal_map;
  base_ = base;
}

void SimulatedMachine::SetTravel(Axis axis, std::int64_t min_steps, std::int64_t max_steps) {
  travel_min_[AxisIndex(axis)] = min_steps;
  travel_max_[AxisIndex(axis)] = max_steps;
}

void SimulatedMachine::SetDisconnected(bool gone) {
  disconnected_ = gone;
  if (!gone && !reads_fail_) Recover();
}

void SimulatedMachine::SetReadsFail(bool fail) {
  reads_fail_ = fail;
  if (!fail && !disconnected_) Recover();
}

void SimulatedMachine::BounceLimit(Axis axis, std::vector<bool> levels) {
  // Kept back to front so that each read pops the last.
  bounce_[AxisIndex(axis)].assign(levels.rbegin(), levels.rend());
}

bool SimulatedMachine::LimitActive(Axis axis) const {
  const int i = AxisIndex(axis);
  if (!bounce_[i].empty()) return bounce_[i].back();
  return position_[i] <= travel_min_[i] || position_[i] >= travel_max_[i];
}

std::uint8_t SimulatedMachine::StatusRegister() const {
  // Unused pins float high. Inputs at rest first, then active ones, so that an active signal
  // wins over an idle one sharing its pin.
  std::uint8_t status = 0xFF;
  const std::array<std::pair<InputSignal, bool>, 5> inputs = {{
      {signals_.limit[0], LimitActive(Axis::X)},
      {signals_.limit[1], LimitActive(Axis::Y)},
      {signals_.limit[2], LimitActive(Axis::Z)},
      {signals_.probe, probe_active_ || (surface_ && TipAboveSurface() <= 0)},
      {signals_.estop, estop_active_},
  }};
  for (bool pass_active : {false, true}) {
    for (const auto& [signal, active] : inputs) {
      if (signal.mask != 0 && active == pass_active) status = WithInputLevel(status, signal, active);
    }
  }
  return status;
}

std::uint8_t SimulatedMachine::Read(std::uint16_t address) {
  if (disconnected_ || reads_fail_) {
    Fail(disconnected_ ? "lecture impossible : port parallèle simulé débranché"
                       : "lecture impossible : registre d'état muet");
    return 0;
  }
  if (address == base_) return data_;
  if (address == base_ + 1) {
    const std::uint8_t status = StatusRegister();
    for (std::vector<bool>& levels : bounce_) {
      if (!levels.empty()) levels.pop_back();
    }
    return status;
  }
  return 0xFF;  // nothing answers there
}

void SimulatedMachine::Write(std::uint16_t address, std::uint8_t value) {
  if (disconnected_) {
    Fail("écriture impossible : port parallèle simulé débranché");
    return;
  }
  if (address != base_) return;
  const std::uint8_t before = data_;
  data_ = value;
  if (before == value) return;
  bool timed = false;
  std::int64_t now = 0;
  auto record = [&](Axis axis, EdgeKind kind) {
    if (!recording_) return;
    if (!timed) {
      now = clock_.NowMicros();
      timed = true;
    }
    edges_.push_back({now, axis, kind});
  };
  for (Axis axis : kAxes) {
    const int i = AxisIndex(axis);
    const OutputSignal dir = signals_.direction[i];
    const bool positive = DirectionPositiveIn(value, dir);
    if (dir.mask != 0 && DirectionPositiveIn(before, dir) != positive) {
      record(axis, positive ? EdgeKind::DirectionPositive : EdgeKind::DirectionNegative);
    }
    const OutputSignal step = signals_.step[i];
    if (step.mask == 0) continue;
    const bool was_active = StepActiveIn(before, step);
    const bool active = StepActiveIn(value, step);
    if (was_active == active) continue;
    if (active) {
      position_[i] += positive ? 1 : -1;
      ++step_count_[i];
      record(axis, EdgeKind::StepActive);
      if (cutting_ && surface_) {
        const double depth = -TipAboveSurface();
        if (depth_.steps == 0 || depth < depth_.min) depth_.min = depth;
        if (depth_.steps == 0 || depth > depth_.max) depth_.max = depth;
        ++depth_.steps;
      }
    } else {
      record(axis, EdgeKind::StepIdle);
    }
  }
}

void SimulatedMachine::SetSurface(std::function<double(double, double)> height_mm,
                                  const std::array<double, 3>& steps_per_mm) {
  surface_ = std::move(height_mm);
  steps_per_mm_ = steps_per_mm;
}

double SimulatedMachine::TipAboveSurface() const {
  if (!surface_) return 0;
  const auto mm = [this](int i) { return static_cast<double>(position_[i]) / steps_per_mm_[i]; };
  return mm(2) - surface_(mm(0), mm(1));
}

std::vector<std::int64_t> SimulatedMachine::StepTimes(Axis axis) const {
  std::vector<std::int64_t> times;
  for (const Edge& e : edges_) {
    if (e.axis == axis && e.kind == EdgeKind::StepActive) times.push_back(e.micros);
  }
  return times;
}

}  // namespace pistora
