#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/host/clock.h"
#include "hw/reporting_port.h"
#include "core/machine/signal_map.h"

namespace pistora {

// A machine behind a simulated parallel port. It decodes the data-register writes through the
// signal map into step and direction edges per axis, keeps each axis's step count and position,
// timestamps every edge with the clock, and drives the status register: limit switches when an
// axis reaches a travel end, the emergency stop and the tool probe when told, each with its
// polarity. It can also play a port that vanished (every access fails).
class SimulatedMachine final : public ReportingPort {
 public:
  enum class EdgeKind { StepActive, StepIdle, DirectionPositive, DirectionNegative };
  struct Edge {
    std::int64_t micros;
    Axis axis;
    EdgeKind kind;
  };

  explicit SimulatedMachine(Clock& clock, std::uint16_t base = 0x378);

  bool Open() override;
  void Close() override;
  std::uint8_t Read(std::uint16_t address) override;
  void Write(std::uint16_t address, std::uint8_t value) override;
  std::string Description() const override;

  // The wiring and port address the machine is driven with (from the port layer).
  void Configure(const SignalMap& signal_map, std::uint16_t base);

  // Travel ends in steps from the starting point: the axis's switch is active while its
  // position is at or beyond either end. By default an axis has no end.
  void SetTravel(Axis axis, std::int64_t min_steps, std::int64_t max_steps);
  void SetEStop(bool active) { estop_active_ = active; }
  void SetProbe(bool active) { probe_active_ = active; }

  // A plate under the tool: its height (mm, in Z from the start point) at X, Y (mm from the
  // start point). The probe input is then active while the tool tip is at or below it, and
  // the steps made while cutting record the tool's depth below it. `steps_per_mm` by AxisIndex.
  void SetSurface(std::function<double(double, double)> height_mm, const std::array<double, 3>& steps_per_mm);
  // Whether the moves now made are cuts (the depth below the surface is recorded at each step).
  void SetCutting(bool cutting) { cutting_ = cutting; }
  struct DepthRange {
    double min = 0;  // mm below the surface (negative: above it)
    double max = 0;
    std::int64_t steps = 0;  // cutting steps recorded
  };
  const DepthRange& CuttingDepth() const { return depth_; }
  // The tool tip's height above the surface (mm); 0 without a surface.
  double TipAboveSurface() const;
  // A port that vanishes (unplugged adapter, driver gone): reads give 0, writes are lost.
  void SetDisconnected(bool gone);
  // Only reads fail (the status lines lost) while writes still reach the machine.
  void SetReadsFail(bool fail);
  // A bouncing switch: the next status reads see the axis's switch at these levels in turn
  // (true = active), then at its travel state again.
  void BounceLimit(Axis axis, std::vector<bool> levels);

  std::int64_t PositionSteps(Axis axis) const { return position_[AxisIndex(axis)]; }
  std::int64_t StepCount(Axis axis) const { return step_count_[AxisIndex(axis)]; }
  bool LimitActive(Axis axis) const;
  std::uint8_t DataRegister() const { return data_; }
  std::uint8_t StatusRegister() const;

  // Every edge seen since the last ClearEdges(), in order. Recording can be turned off for
  // long runs.
  const std::vector<Edge>& Edges() const { return edges_; }
  void ClearEdges() { edges_.clear(); }
  void SetRecording(bool on) { recording_ = on; }
  void ReserveEdges(std::size_t count) { edges_.reserve(count); }
  // Timestamps of the axis's active step edges.
  std::vector<std::int64_t> StepTimes(Axis axis) const;

 private:
  Clock& clock_;
  std::uint16_t base_;
  SignalMap signals_;
  bool open_ = false;
  bool disconnected_ = false;
  bool reads_fail_ = false;
  std::array<std::vector<bool>, 3> bounce_;  // levels still to be seen, front first
  std::uint8_t data_ = 0;
  std::array<std::int64_t, 3> position_ = {0, 0, 0};
  std::array<std::int64_t, 3> step_count_ = {0, 0, 0};
  std::array<std::int64_t, 3> travel_min_;
  std::array<std::int64_t, 3> travel_max_;
  bool estop_active_ = false;
  bool probe_active_ = false;
  std::function<double(double, double)> surface_;
  std::array<double, 3> steps_per_mm_ = {1, 1, 1};
  bool cutting_ = false;
  DepthRange depth_;
  bool recording_ = true;
  std::vector<Edge> edges_;
};

}  // namespace pistora
