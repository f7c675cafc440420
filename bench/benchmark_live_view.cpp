// The machine window's live view on the engraving program of each real artwork of
// $PISTORA_ARTWORKS (default: ../shared/artworks beside the source folder), 2 x 2 copies:
//   BM_ProgramPath: the path model built when a program is loaded;
//   BM_LiveViewFrame: one frame during a run (the done part grown by 1/2000 of the job, the
//     tool moved, the view painted into an image), which the 25 views a second repeat;
//   BM_LiveViewZoom: one zoom step, which draws the plate and every path again.
#include <benchmark/benchmark.h>

#include "artwork_folder.h"

#include <QApplication>
#include <QImage>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cli/analysis_pipeline.h"
#include "cli/job_options.h"
#include "core/host/host.h"
#include "core/job/gcode_writer.h"
#include "core/job/order_job.h"
#include "core/machine/iso_program.h"
#include "core/machine/program_path.h"
#include "gui/machine/live_job_view.h"

namespace {

using namespace pistora;

const std::vector<std::string>* EngravingProgram(const std::string& path) {
  static std::map<std::string, std::vector<std::string>> cache;
  if (auto found = cache.find(path); found != cache.end()) return &found->second;
  const double dpi = path.find("_1200dpi") != std::string::npos ? 1200.0 : 600.0;
  Workspace ws;
  if (!cli::AnalyseArtworkFile(path, ExtractionSettings{}, 25.4 / dpi, &ws)) return nullptr;
  OrderJob(ws, JobMode::Engraving);
  NullHost host;
  return &cache.emplace(path, BuildEngravingProgram(ws, host, JobParameters{}).Lines).first->second;
}

void BM_ProgramPath(benchmark::State& state, const std::string& picture) {
  const std::vector<std::string>* lines = EngravingProgram(picture);
  if (lines == nullptr) return state.SkipWithError("artwork not analysed");
  ProgramPath path;
  for (auto _ : state) {
    path = BuildProgramPath(*lines);
    benchmark::DoNotOptimize(path);
  }
  state.counters["lines"] = static_cast<double>(lines->size());
  state.counters["segments"] = static_cast<double>(path.segments.size());
}

struct ViewRig {
  explicit ViewRig(const std::vector<std::string>& lines) : image(900, 600, QImage::Format_RGB32) {
    path = std::make_shared<const ProgramPath>(BuildProgramPath(lines));
    view.resize(image.size());
    view.SetPlate(200, 150, 7, 7, 7, 7);
    view.SetJob(path, nullptr, CopyOrigins({2, 2, path->max_x, path->max_y, 5}));
    view.render(&image);
  }
  std::shared_ptr<const ProgramPath> path;
  LiveJobView view;
  QImage image;
};

void BM_LiveViewFrame(benchmark::State& state, const std::string& picture) {
  const std::vector<std::string>* lines = EngravingProgram(picture);
  if (lines == nullptr) return state.SkipWithError("artwork not analysed");
  ViewRig rig(*lines);
  const long count = rig.path->LineCount();
  const long step = std::max(4 * count / 2000, 1L);
  long done = 0;
  for (auto _ : state) {
    done = (done + step) % (4 * count);
    const PathSegment& s = rig.path->segments[rig.path->SegmentsBefore(done % count) % rig.path->segments.size()];
    rig.view.SetDone(false, static_cast<int>(done / count), done % count);
    rig.view.SetTool(s.x0, s.y0);
    rig.view.render(&rig.image);
  }
  state.counters["static_renders"] = rig.view.StaticRenders();
  state.counters["lines"] = static_cast<double>(count);
}

void BM_LiveViewZoom(benchmark::State& state, const std::string& picture) {
  const std::vector<std::string>* lines = EngravingProgram(picture);
  if (lines == nullptr) return state.SkipWithError("artwork not analysed");
  ViewRig rig(*lines);
  for (auto _ : state) {
    rig.view.Fit();
    rig.view.render(&rig.image);
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  for (const auto& p : pistora::bench::ArtworkPictures(false)) {
    const std::string name = p.filename().string();
    benchmark::RegisterBenchmark(("BM_ProgramPath/" + name).c_str(), BM_ProgramPath, p.string())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BM_LiveViewFrame/" + name).c_str(), BM_LiveViewFrame, p.string())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BM_LiveViewZoom/" + name).c_str(), BM_LiveViewZoom, p.string())
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
