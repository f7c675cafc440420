#pragma once

#include <cstdint>
#include <string>

#include "core/host/clock.h"
#include "core/host/port_io.h"

namespace pistora {

// What a run of ticks paced as a move paces them measured on this computer.
struct TickCalibration {
  bool high_resolution = false;  // false: the clock cannot time 50 µs, nothing was measured
  std::int64_t ticks = 0;
  double mean_tick_us = 0;       // with the proposed TickWaitUs
  std::int64_t late_p99_us = 0;  // 99th percentile of how late a tick ended, µs
  int proposed_tick_wait_us = 49;
  bool keeps_50us = false;       // the proposal gives a mean tick within 0.5 µs of 50 µs
};

// Runs ticks for `duration_us` at TickWaitUs = 49 as a move runs them (each tick writes the data
// register and reads the status register through `port`, which may be null, at `base`), then,
// when the mean tick is longer than 50 µs because the work of a tick does not fit, again with a
// shorter wait. Proposes the TickWaitUs that gives a true 50 µs tick (49 when it does already).
TickCalibration CalibrateTick(Clock& clock, PortIo* port, std::uint16_t base, std::int64_t duration_us);

// One line for a person: "Tic de 50,0 µs avec TickWaitUs = 49 (retard p99 : 12 µs)." and what to do.
std::string CalibrationReport(const TickCalibration& calibration);

}  // namespace pistora
