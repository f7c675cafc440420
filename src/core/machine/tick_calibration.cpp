#include "core/machine/tick_calibration.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/machine/tick_pacer.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {
namespace {

constexpr int kFactoryTickWaitUs = 49;  // 49 + 1 µs: the pacer's tick is TickWaitUs + 1
constexpr double kTickUs = 50.0;
constexpr double kTolerance = 0.5;

struct Run {
  std::int64_t ticks = 0;
  double mean_tick_us = 0;
  std::int64_t late_p99_us = 0;
};

Run Measure(Clock& clock, PortIo* port, std::uint16_t base, std::int64_t duration_us, int tick_wait_us) {
  SteadyTimingScope steady(clock);
  TickPacer pacer(clock);
  std::vector<std::int64_t> late;
  late.reserve(static_cast<std::size_t>(duration_us / 50 + 1));
  const std::int64_t start = clock.NowMicros();
  std::int64_t now = start;
  while (now - start < duration_us) {
    late.push_back(pacer.WaitTick(tick_wait_us));
    if (port != nullptr) {
      // A tick's port work in a move: the outputs written, the inputs read.
      port->Write(base, 0);
      (void)port->Read(static_cast<std::uint16_t>(base + 1));
    }
    now = clock.NowMicros();
  }
  Run run;
  run.ticks = static_cast<std::int64_t>(late.size());
  if (run.ticks > 0) {
    run.mean_tick_us = static_cast<double>(now - start) / static_cast<double>(run.ticks);
    const auto p99 = late.begin() + static_cast<std::ptrdiff_t>(late.size() * 99 / 100);
    std::nth_element(late.begin(), p99, late.end());
    run.late_p99_us = *p99;
  }
  return run;
}

}  // namespace

TickCalibration CalibrateTick(Clock& clock, PortIo* port, std::uint16_t base, std::int64_t duration_us) {
  TickCalibration result;
  result.high_resolution = clock.HighResolution();
  if (!result.high_resolution) return result;
  int tick_wait = kFactoryTickWaitUs;
  Run run = Measure(clock, port, base, duration_us, tick_wait);
  // Too long a tick: the work of a tick is added to the wait somewhere; a shorter wait makes up
  // for it, as far as it can.
  if (run.mean_tick_us > kTickUs + kTolerance) {
    tick_wait = std::max(0, kFactoryTickWaitUs - static_cast<int>(std::lround(run.mean_tick_us - kTickUs)));
    run = Measure(clock, port, base, duration_us, tick_wait);
  }
  result.ticks = run.ticks;
  result.mean_tick_us = run.mean_tick_us;
  result.late_p99_us = run.late_p99_us;
  result.proposed_tick_wait_us = tick_wait;
  result.keeps_50us = run.ticks > 0 && std::abs(run.mean_tick_us - kTickUs) <= kTolerance;
  return result;
}

std::string CalibrationReport(const TickCalibration& c) {
  if (!c.high_resolution) {
    return Tr("L'horloge de ce PC ne mesure pas la microseconde : le tic de 50 µs ne peut pas être tenu.");
  }
  std::string text = Fill(Tr("Tic de %1 µs avec TickWaitUs = %2 (retard p99 : %3 µs, %4 tics)."),
                          {FormatFixed(c.mean_tick_us, 1), std::to_string(c.proposed_tick_wait_us),
                           std::to_string(c.late_p99_us), std::to_string(c.ticks)});
  if (!c.keeps_50us) text += Tr(" Ce PC ne tient pas un tic de 50 µs : les avances réelles seront plus lentes.");
  return text;
}

}  // namespace pistora
