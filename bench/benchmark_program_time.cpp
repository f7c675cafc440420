// Estimated machine time of the engraving program of each real artwork of $PISTORA_ARTWORKS
// (default: ../shared/artworks beside the source folder): today's default program against a
// travel height of 0.5 mm with the 2-opt order and closed contours entered nearest to the tool.
// The time measured is the program generation; the counters are the estimate (s at the factory
// work feed of cn.dat, as `info` and `convert` state it): total, cutting, travel, up_down.
#include <benchmark/benchmark.h>

#include "artwork_folder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/analysis_pipeline.h"
#include "cli/job_options.h"
#include "core/host/host.h"
#include "core/job/gcode_writer.h"
#include "core/job/order_job.h"
#include "core/machine/program_time.h"

namespace {

using namespace pistora;

// Analysed once per picture, shared by both variants.
const Workspace* Analysed(const std::string& path) {
  static std::map<std::string, Workspace> cache;
  auto found = cache.find(path);
  if (found != cache.end()) return &found->second;
  const double dpi = path.find("_1200dpi") != std::string::npos ? 1200.0 : 600.0;
  Workspace ws;
  if (!cli::AnalyseArtworkFile(path, ExtractionSettings{}, 25.4 / dpi, &ws)) return nullptr;
  return &cache.emplace(path, std::move(ws)).first->second;
}

void BM_EngravingTime(benchmark::State& state, const std::string& path, bool less_air) {
  const Workspace* analysed = Analysed(path);
  if (analysed == nullptr) {
    state.SkipWithError("artwork not analysed");
    return;
  }
  JobParameters parameters;
  if (less_air) {
    parameters.TravelHeight = "0.5";
    parameters.ImprovedOrder = true;
  }
  NullHost host;
  ProgramTime time;
  for (auto _ : state) {
    Workspace ws = *analysed;
    OrderJob(ws, JobMode::Engraving);
    const ProgramText text = BuildEngravingProgram(ws, host, parameters);
    time = EstimateProgramTime(text.Lines, cli::MachineWorkFeed());
    benchmark::DoNotOptimize(time);
  }
  state.counters["total_s"] = static_cast<double>(time.total_seconds);
  state.counters["cutting_s"] = static_cast<double>(time.cutting_seconds);
  state.counters["travel_s"] = static_cast<double>(time.travel_seconds);
  state.counters["up_down_s"] = static_cast<double>(time.up_down_seconds);
}

void RegisterArtworks() {
  const std::vector<std::filesystem::path> pictures = pistora::bench::ArtworkPictures(false);
  for (const auto& p : pictures) {
    for (const bool less_air : {false, true}) {
      const std::string name = "BM_EngravingTime/" + p.filename().string() + (less_air ? "/air0.5+2opt" : "/default");
      benchmark::RegisterBenchmark(name.c_str(), BM_EngravingTime, p.string(), less_air)
          ->Unit(benchmark::kMillisecond)
          ->Iterations(1);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  RegisterArtworks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
