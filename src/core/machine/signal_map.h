#pragma once

#include <array>
#include <cstdint>

#include "core/settings/machine_parameters.h"

namespace pistora {

enum class Axis { X = 0, Y = 1, Z = 2 };
inline constexpr std::array<Axis, 3> kAxes = {Axis::X, Axis::Y, Axis::Z};
inline constexpr int AxisIndex(Axis axis) { return static_cast<int>(axis); }

// One data-register output: its bit (0 = not wired) and whether it is active low.
struct OutputSignal {
  std::uint8_t mask = 0;
  bool inverted = false;
  friend bool operator==(const OutputSignal&, const OutputSignal&) = default;
};

// One status-register input: its bit (0 = not wired) and its polarity.
struct InputSignal {
  std::uint8_t mask = 0;
  bool inverted = false;
  friend bool operator==(const InputSignal&, const InputSignal&) = default;
};

// Which pin carries which signal, built once from the parameters. Two signals may share a
// bit; nothing prevents it, and an edge on one then also moves the other.
struct SignalMap {
  std::array<OutputSignal, 3> step;       // by AxisIndex
  std::array<OutputSignal, 3> direction;  // by AxisIndex
  OutputSignal spindle;
  std::array<InputSignal, 3> limit;       // by AxisIndex
  InputSignal probe;
  InputSignal estop;
  friend bool operator==(const SignalMap&, const SignalMap&) = default;
};

SignalMap BuildSignalMap(const MachineParameters& parameters);

// The data byte with a step output at its active level (a pulse) or its idle level.
// Not inverted: active = bit set. Inverted: active = bit cleared.
std::uint8_t WithStepLevel(std::uint8_t shadow, OutputSignal step, bool active);

// The data byte with a direction output set. Not inverted: positive = bit set.
// Inverted: positive = bit cleared.
std::uint8_t WithDirection(std::uint8_t shadow, OutputSignal direction, bool positive);

// Whether an input is active in a status byte. Its bit "reads 1" when (status & mask) == mask,
// so an unwired input (mask 0) always reads 1. Not inverted: active when the bit reads 0.
// Inverted: active when it reads 1.
bool InputActive(std::uint8_t status, InputSignal input);

// Decoding, for a machine that watches the data register: the step output's level and the
// direction a direction output commands in a data byte.
bool StepActiveIn(std::uint8_t data, OutputSignal step);
bool DirectionPositiveIn(std::uint8_t data, OutputSignal direction);

// The status bit level that makes an input read `active` (for a machine that drives them).
std::uint8_t WithInputLevel(std::uint8_t status, InputSignal input, bool active);

}  // namespace pistora
