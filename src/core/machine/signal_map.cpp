#include "core/machine/signal_map.h"

namespace pistora {

namespace {

std::uint8_t WithBit(std::uint8_t byte, std::uint8_t mask, bool set) {
  return static_cast<std::uint8_t>(set ? (byte | mask) : (byte & ~mask));
}

bool BitReadsOne(std::uint8_t byte, std::uint8_t mask) { return (byte & mask) == mask; }

}  // namespace

SignalMap BuildSignalMap(const MachineParameters& p) {
  SignalMap m;
  m.step = {{{p.StepXOutput, p.StepXInverted},
             {p.StepYOutput, p.StepYInverted},
             {p.StepZOutput, p.StepZInverted}}};
  m.direction = {{{p.DirXOutput, p.DirXInverted},
                  {p.DirYOutput, p.DirYInverted},
                  {p.DirZOutput, p.DirZInverted}}};
  m.spindle = {p.SpindleOutput, p.SpindleInverted};
  m.limit = {{{p.LimitXInput, p.LimitXInverted},
              {p.LimitYInput, p.LimitYInverted},
              {p.LimitZInput, p.LimitZInverted}}};
  m.probe = {p.ProbeInput, p.ProbeInverted};
  m.estop = {p.EStopInput, p.EStopInverted};
  return m;
}

std::uint8_t WithStepLevel(std::uint8_t shadow, OutputSignal step, bool active) {
  return WithBit(shadow, step.mask, active != step.inverted);
}

std::uint8_t WithDirection(std::uint8_t shadow, OutputSignal direction, bool positive) {
  return WithBit(shadow, direction.mask, positive != direction.inverted);
}

bool InputActive(std::uint8_t status, InputSignal input) {
  return BitReadsOne(status, input.mask) == input.inverted;
}

bool StepActiveIn(std::uint8_t data, OutputSignal step) {
  return BitReadsOne(data, step.mask) != step.inverted;
}

bool DirectionPositiveIn(std::uint8_t data, OutputSignal direction) {
  return BitReadsOne(data, direction.mask) != direction.inverted;
}

std::uint8_t WithInputLevel(std::uint8_t status, InputSignal input, bool active) {
  return WithBit(status, input.mask, active == input.inverted);
}

}  // namespace pistora
