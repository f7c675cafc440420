// Real MoveTo calls with the real clock on the simulated machine: how steady the 50 µs tick
// is and how close the real feed comes to the commanded one.
//
// Tick lengths come from the tick timestamps (each tick pumps events once; the pump notes the
// time), less the step pulses made in that tick (MinPulseUs each, as the tick schedule counts
// them). Step intervals come from the simulated machine's step-edge timestamps, against the
// commanded period (which a 50 µs tick can only meet to within one tick) and against the
// interval the tick rule gives for perfect timing (the timing error alone).
//
// Arguments: feed (mm/min), pump (0 empty, 1 QCoreApplication::processEvents), timing
// (0 the machine window's: real-time spin in FIFO and normal spans, 1 real-time sleep then spin
// the last PISTORA_BENCH_SPIN_MARGIN_US (35 µs unless set), 2 normal scheduling sleep then spin,
// 3 normal scheduling spin only: the plain busy wait).
//
// BM_SessionMove runs the move as the program does: a command of the machine session's motion
// thread, while the calling thread (the windows' thread) is idle or extracts the largest artwork
// of PISTORA_ARTWORKS (../shared/artworks by default) over and over. Arguments: feed (mm/min),
// busy (0 idle, 1 extracting).

#include <benchmark/benchmark.h>

#include "artwork_folder.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <numeric>
#include <vector>

#include <atomic>
#include <filesystem>
#include <string>

#include "cli/analysis_pipeline.h"
#include "core/artwork/extraction.h"
#include "core/machine/machine_session.h"
#include "core/machine/motion_engine.h"
#include "hw/simulated_machine.h"
#include "hw/steady_clock.h"

namespace pistora {
namespace {

constexpr std::int32_t kTickWaitUs = 49;
constexpr std::int32_t kMinPulseUs = 60;
constexpr double kStepsPerMm = 133.3333;
constexpr double kMoveSeconds = 2.0;

bool g_real_time_available = false;

class TimingHost final : public Host {
 public:
  TimingHost(Clock& clock, bool qt) : clock_(clock), qt_(qt) { ticks.reserve(1 << 20); }
  void PumpEvents() override {
    if (qt_) QCoreApplication::processEvents();
    ticks.push_back(clock_.NowMicros());
  }
  std::vector<std::int64_t> ticks;

 private:
  Clock& clock_;
  bool qt_;
};

struct Stats {
  double median = 0, p99 = 0, p999 = 0, max = 0;
};

Stats Summarise(std::vector<double> values) {
  Stats s;
  if (values.empty()) return s;
  for (double& v : values) v = std::fabs(v);
  std::sort(values.begin(), values.end());
  auto at = [&](double q) {
    return values[std::min(values.size() - 1, static_cast<std::size_t>(q * (values.size() - 1)))];
  };
  s.median = at(0.5);
  s.p99 = at(0.99);
  s.p999 = at(0.999);
  s.max = values.back();
  return s;
}

void Report(benchmark::State& state, const char* name, const Stats& s) {
  const std::string n(name);
  state.counters[n + "_med"] = s.median;
  state.counters[n + "_p99"] = s.p99;
  state.counters[n + "_p999"] = s.p999;
  state.counters[n + "_max"] = s.max;
}

// Step times of a single-axis move under perfect timing: the tick rule replayed.
std::vector<std::int64_t> IdealStepTimes(std::int64_t period, std::int64_t steps) {
  std::vector<std::int64_t> times;
  std::int64_t acc = 0, t = 0;
  while (static_cast<std::int64_t>(times.size()) < steps) {
    t += 50;
    acc += 50;
    if (acc > period) {
      times.push_back(t);
      acc = acc - period + kMinPulseUs;
      t += kMinPulseUs;
    }
  }
  return times;
}

void BM_MoveTo(benchmark::State& state) {
  const std::int32_t feed = static_cast<std::int32_t>(state.range(0));
  const bool qt_pump = state.range(1) == 1;
  const int timing = static_cast<int>(state.range(2));
  const bool want_real_time = timing <= 1;
  if (want_real_time && !g_real_time_available) {
    state.SkipWithError("real-time scheduling unavailable");
    return;
  }
  SteadyClock clock(want_real_time);
  const char* margin_text = std::getenv("PISTORA_BENCH_SPIN_MARGIN_US");
  const std::int64_t margin = margin_text ? std::atoll(margin_text) : 35;
  clock.SetSpinMarginUs(timing == 1 || timing == 2 ? margin : 0);
  SimulatedMachine machine(clock);
  MachineDisplay display;
  TimingHost host(clock, qt_pump);
  MachineState machine_state;
  PortLayer port(machine, clock, display);
  port.SetSignalMapListener([&](const SignalMap& m, std::uint16_t base) { machine.Configure(m, base); });
  port.StartPortDriver();
  MotionEngine engine(machine_state, port, clock, host, display);
  MachineParameters p;
  p.StepXOutput = 0x01;
  p.DirXOutput = 0x02;
  p.MinPulseUs = kMinPulseUs;
  p.TickWaitUs = kTickWaitUs;
  p.StepsPerMmX = kStepsPerMm;
  engine.ApplyParameters(p);
  machine_state.WorkFeed = feed;
  machine.ReserveEdges(1 << 18);

  const double distance = feed * kMoveSeconds / 60.0;
  const MovePlan plan = PlanMove({0, 0, 0}, {distance, 0, 0}, feed, {kStepsPerMm, 1, 1});
  double direction = 1;
  std::vector<double> tick_err, interval_err, interval_jitter;
  double feed_pct_display = 0, feed_pct_edges = 0, ticks_per_s = 0;
  int runs = 0;
  for (auto _ : state) {
    host.ticks.clear();
    machine.ClearEdges();
    const std::int64_t start = clock.NowMicros();
    engine.MoveTo(machine_state.Position[0] + direction * distance, 0, 0);
    const std::int64_t end = clock.NowMicros();
    direction = -direction;
    ++runs;

    const std::vector<std::int64_t> steps = machine.StepTimes(Axis::X);
    // Tick lengths, pulses taken out.
    std::size_t s = 0;
    for (std::size_t k = 0; k + 1 < host.ticks.size(); ++k) {
      int pulses = 0;
      while (s < steps.size() && steps[s] < host.ticks[k + 1]) {
        if (steps[s] >= host.ticks[k]) ++pulses;
        ++s;
      }
      tick_err.push_back(static_cast<double>(host.ticks[k + 1] - host.ticks[k]) - 50.0 -
                         pulses * kMinPulseUs);
    }
    const std::vector<std::int64_t> ideal = IdealStepTimes(plan.axis[0].period, plan.axis[0].steps);
    for (std::size_t j = 1; j < steps.size() && j < ideal.size(); ++j) {
      const double interval = static_cast<double>(steps[j] - steps[j - 1]);
      interval_err.push_back(interval - plan.axis[0].period_us);
      interval_jitter.push_back(interval - static_cast<double>(ideal[j] - ideal[j - 1]));
    }
    const double commanded_rate = 1e6 / plan.axis[0].period_us;  // steps per second
    if (steps.size() > 1) {
      const double real_rate = static_cast<double>(steps.size() - 1) * 1e6 /
                               static_cast<double>(steps.back() - steps.front());
      feed_pct_edges += 100.0 * real_rate / commanded_rate;
    }
    const double elapsed_ms = static_cast<double>(machine_state.MoveEndMs - machine_state.MoveStartMs);
    feed_pct_display += 100.0 * (distance * 60000.0 / elapsed_ms) / feed;
    ticks_per_s += static_cast<double>(host.ticks.size()) * 1e6 / static_cast<double>(end - start);
  }
  Report(state, "tick_err_us", Summarise(tick_err));
  const auto off = std::count_if(tick_err.begin(), tick_err.end(), [](double e) { return std::fabs(e) > 15; });
  state.counters["tick_off15_pct"] = tick_err.empty() ? 0.0 : 100.0 * static_cast<double>(off) / static_cast<double>(tick_err.size());
  const auto short_ticks = std::count_if(tick_err.begin(), tick_err.end(), [](double e) { return e < -15; });
  state.counters["tick_short15_pct"] = tick_err.empty() ? 0.0 : 100.0 * static_cast<double>(short_ticks) / static_cast<double>(tick_err.size());
  Report(state, "step_err_us", Summarise(interval_err));
  Report(state, "step_jitter_us", Summarise(interval_jitter));
  state.counters["feed_pct_edges"] = feed_pct_edges / runs;
  state.counters["feed_pct_shown"] = feed_pct_display / runs;
  state.counters["ticks_per_s"] = ticks_per_s / runs;
  state.counters["period_us"] = plan.axis[0].period_us;
}

BENCHMARK(BM_MoveTo)
    ->ArgNames({"feed", "qt_pump", "timing"})
    ->Args({50, 0, 0})->Args({150, 0, 0})->Args({600, 0, 0})
    ->Args({50, 1, 0})->Args({150, 1, 0})->Args({600, 1, 0})
    ->Args({150, 0, 1})->Args({150, 0, 2})->Args({150, 0, 3})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The largest picture of the artworks folder; empty when there is none.
std::string LargestArtwork() { return pistora::bench::LargestArtwork(true).string(); }

void BM_SessionMove(benchmark::State& state) {
  const std::int32_t feed = static_cast<std::int32_t>(state.range(0));
  const bool busy = state.range(1) == 1;
  const std::string artwork = busy ? LargestArtwork() : std::string();
  if (busy && artwork.empty()) {
    state.SkipWithError("no artwork to extract");
    return;
  }
  SteadyClock clock(g_real_time_available);
  SimulatedMachine machine(clock);
  NullHost window_host;
  MachineSession session(
      machine, clock, window_host, [&machine](const SignalMap& m, std::uint16_t base) { machine.Configure(m, base); },
      MotionThread::Mode::kThread);
  MachineParameters p;
  p.StepXOutput = 0x01;
  p.DirXOutput = 0x02;
  p.MinPulseUs = kMinPulseUs;
  p.TickWaitUs = kTickWaitUs;
  p.StepsPerMmX = kStepsPerMm;
  session.Engine().ApplyParameters(p);
  session.State().WorkFeed = feed;
  machine.ReserveEdges(1 << 18);
  std::vector<std::int64_t> ticks;
  ticks.reserve(1 << 20);
  session.SetMotionTickProbe([&ticks, &clock] { ticks.push_back(clock.NowMicros()); });
  if (g_real_time_available) LockCurrentMemory();  // as the program does once its session exists

  const double distance = feed * kMoveSeconds / 60.0;
  const MovePlan plan = PlanMove({0, 0, 0}, {distance, 0, 0}, feed, {kStepsPerMm, 1, 1});
  double direction = 1;
  std::vector<double> tick_err;
  double feed_pct_edges = 0;
  long extractions = 0;
  int runs = 0;
  for (auto _ : state) {
    ticks.clear();
    machine.ClearEdges();
    const double target = session.State().Position[0] + direction * distance;
    direction = -direction;
    session.Submit([&session, target] { session.MoveTo(target, 0, 0); });
    // The windows' thread at work meanwhile: artwork after artwork until the move has ended.
    while (session.MotionBusy()) {
      if (busy) {
        Workspace ws;
        if (cli::AnalyseArtworkFile(artwork, ExtractionSettings{}, 25.4 / 600, &ws)) ++extractions;
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
    }
    session.Motion().WaitIdle();
    ++runs;

    const std::vector<std::int64_t> steps = machine.StepTimes(Axis::X);
    std::size_t s = 0;
    for (std::size_t k = 0; k + 1 < ticks.size(); ++k) {
      int pulses = 0;
      while (s < steps.size() && steps[s] < ticks[k + 1]) {
        if (steps[s] >= ticks[k]) ++pulses;
        ++s;
      }
      tick_err.push_back(static_cast<double>(ticks[k + 1] - ticks[k]) - 50.0 - pulses * kMinPulseUs);
    }
    const double commanded_rate = 1e6 / plan.axis[0].period_us;
    if (steps.size() > 1) {
      const double real_rate = static_cast<double>(steps.size() - 1) * 1e6 /
                               static_cast<double>(steps.back() - steps.front());
      feed_pct_edges += 100.0 * real_rate / commanded_rate;
    }
  }
  Report(state, "tick_err_us", Summarise(tick_err));
  state.counters["feed_pct_edges"] = feed_pct_edges / runs;
  state.counters["extractions"] = static_cast<double>(extractions);
}

BENCHMARK(BM_SessionMove)
    ->ArgNames({"feed", "busy"})
    ->Args({50, 0})->Args({150, 0})->Args({600, 0})
    ->Args({50, 1})->Args({150, 1})->Args({600, 1})
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The floor of any tick timing on this machine: a thread that does nothing but read the clock
// (under SCHED_FIFO inside a steady stretch when allowed) and the gaps longer than 3 µs between
// two readings, that is the times the processor was taken from it (interrupts, the hypervisor).
// A tick that meets such a gap is late by as much, whatever the wait does.
void BM_ClockGaps(benchmark::State& state) {
  SteadyClock clock(g_real_time_available);
  std::vector<double> gaps;
  double seconds = 0;
  for (auto _ : state) {
    // Off the processor between stretches, as the machine window's spin leaves FIFO: else the
    // kernel's real-time throttling would take 50 ms every second.
    std::this_thread::sleep_for(std::chrono::microseconds(SteadyClock::kNormalSpanUs));
    SteadyTimingScope stretch(clock);
    const std::int64_t start = clock.NowMicros();
    std::int64_t previous = start;
    // Within one FIFO span, so the normal-priority span plays no part.
    while (previous - start < SteadyClock::kFifoSpanUs - 500) {
      const std::int64_t now = clock.NowMicros();
      if (now - previous > 3) gaps.push_back(static_cast<double>(now - previous));
      previous = now;
    }
    seconds += static_cast<double>(previous - start) * 1e-6;
  }
  Report(state, "gap_us", Summarise(gaps));
  state.counters["gaps_per_s"] = static_cast<double>(gaps.size()) / seconds;
  state.counters["lost_pct"] =
      100.0 * std::accumulate(gaps.begin(), gaps.end(), 0.0) * 1e-6 / seconds;
}

BENCHMARK(BM_ClockGaps)->Iterations(200)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace pistora

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const pistora::RealTimeSetup setup = pistora::PrepareRealTime();
  pistora::g_real_time_available = setup.real_time;
  std::fprintf(stderr, "real-time scheduling: %s%s%s\n", setup.real_time ? "yes" : "no",
               setup.message.empty() ? "" : " - ", setup.message.c_str());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
