#include "cli/analysis_options.h"

#include "cli/analysis_pipeline.h"
#include "core/artwork/thickening.h"
#include "core/host/host.h"

namespace pistora::cli {

namespace {
constexpr double kMillimetresPerInch = 25.4;
constexpr long kMaxThickenTimes = 100;
}  // namespace

void AddAnalysisOptions(ArgSpec* options_spec) {
  options_spec->valued.insert({"pixel-mm", "dpi", "hole-size", "pad-points"});
  options_spec->optional_value.insert("thicken");
  options_spec->flags.insert("smooth");
}

Status ReadAnalysisOptions(const Args& args, AnalysisOptions* options) {
  if (args.Has("pixel-mm") == args.Has("dpi")) {
    return Status::Error("donner l'échelle par --pixel-mm ou par --dpi (un seul des deux)");
  }
  double pixel_mm = 0.0;
  double dpi = 0.0;
  long hole_size = ExtractionSettings{}.hole_size;
  long pad_points = ExtractionSettings{}.pad_points;
  long thicken_times = args.Has("thicken") ? 1 : 0;
  for (const Status& s : {GetDecimal(args, "pixel-mm", &pixel_mm), GetDecimal(args, "dpi", &dpi),
                          GetInteger(args, "hole-size", kMinHoleSize, kMaxHoleSize, &hole_size),
                          GetInteger(args, "pad-points", kMinPadPoints, kMaxPadPoints, &pad_points),
                          GetInteger(args, "thicken", 0, kMaxThickenTimes, &thicken_times)}) {
    if (!s) return s;
  }
  if (args.Has("dpi")) {
    if (!(dpi > 0.0)) return Status::Error("--dpi doit être un nombre positif");
    pixel_mm = kMillimetresPerInch / dpi;
  } else if (!(pixel_mm > 0.0)) {
    return Status::Error("--pixel-mm doit être un nombre positif");
  }
  options->settings = ExtractionSettings{static_cast<int>(hole_size), static_cast<int>(pad_points)};
  options->pixel_mm = pixel_mm;
  options->thicken_times = static_cast<int>(thicken_times);
  options->smooth = args.Has("smooth");
  return Status::Ok();
}

void ApplyAnalysisRewrites(const AnalysisOptions& options, Workspace* ws) {
  NullHost host;
  ApplyContourRewrites(*ws, host, options.settings.hole_size, options.thicken_times, options.smooth);
}

}  // namespace pistora::cli
