#include "core/machine/port_layer.h"

#include <utility>

#include "core/machine/wait.h"

namespace pistora {

namespace {

constexpr Lamp kLimitLamps[3] = {Lamp::LimitX, Lamp::LimitY, Lamp::LimitZ};

}  // namespace

PortLayer::PortLayer(PortIo& io, Clock& clock, MachineDisplay& display)
    : io_(io), clock_(clock), display_(display) {
  SetParameters(MachineParameters{});
}

bool PortLayer::StartPortDriver() {
  driver_open_ = io_.Open();
  return driver_open_;
}

void PortLayer::StopPortDriver() {
  if (driver_open_) io_.Close();
  driver_open_ = false;
}

const char* PortLayer::DriverMessage() const {
  return driver_open_ ? kDriverLoadedMessage : kDriverFailedMessage;
}

void PortLayer::SetParameters(const MachineParameters& parameters) {
  port_base_ = parameters.PortBase;
  min_pulse_us_ = parameters.MinPulseUs;
  signals_ = BuildSignalMap(parameters);
  if (listener_) listener_(signals_, port_base_);
}

void PortLayer::SetSignalMapListener(std::function<void(const SignalMap&, std::uint16_t)> listener) {
  listener_ = std::move(listener);
  if (listener_) listener_(signals_, port_base_);
}

std::uint8_t PortLayer::ReadPort(std::uint16_t address) {
  if (!driver_open_ || port_base_ == 0) return 0;
  return io_.Read(address);
}

void PortLayer::WritePort(std::uint16_t address, std::uint8_t value) {
  if (!driver_open_ || port_base_ == 0) return;
  io_.Write(address, value);
}

void PortLayer::ResetOutputs() {
  shadow_ = 0;
  WriteShadow();
}

void PortLayer::WriteShadow() { WritePort(port_base_, shadow_); }

void PortLayer::SetDirection(Axis axis, bool positive) {
  positive_[AxisIndex(axis)] = positive;
  shadow_ = WithDirection(shadow_, signals_.direction[AxisIndex(axis)], positive);
  WriteShadow();
}

void PortLayer::StepPulse(Axis axis) {
  const OutputSignal step = signals_.step[AxisIndex(axis)];
  shadow_ = WithStepLevel(shadow_, step, true);
  WriteShadow();
  WaitMicroseconds(clock_, min_pulse_us_);
  shadow_ = WithStepLevel(shadow_, step, false);
  WriteShadow();
  step_count_[AxisIndex(axis)].fetch_add(positive_[AxisIndex(axis)] ? 1 : -1, std::memory_order_relaxed);
}

void PortLayer::EvaluateEStop(std::uint8_t status) {
  if (signals_.estop.mask == 0) {
    estop_seen_ = false;
    return;
  }
  estop_seen_ = InputActive(status, signals_.estop);
  display_.SetLamp(Lamp::EStop, estop_seen_);
}

bool PortLayer::ReadLimit(Axis axis) {
  const std::uint8_t status = ReadPort(static_cast<std::uint16_t>(port_base_ + 1));
  const bool active = InputActive(status, signals_.limit[AxisIndex(axis)]);
  display_.SetLamp(kLimitLamps[AxisIndex(axis)], active);
  EvaluateEStop(status);
  return active;
}

std::uint8_t PortLayer::ReadStatus() {
  const std::uint8_t status = ReadPort(static_cast<std::uint16_t>(port_base_ + 1));
  for (Axis axis : kAxes) {
    const InputSignal& limit = signals_.limit[AxisIndex(axis)];
    if (limit.mask != 0) display_.SetLamp(kLimitLamps[AxisIndex(axis)], InputActive(status, limit));
  }
  EvaluateEStop(status);
  return status;
}

bool PortLayer::ReadEStop() {
  EvaluateEStop(ReadPort(static_cast<std::uint16_t>(port_base_ + 1)));
  return estop_seen_;
}

}  // namespace pistora
