#include "cli/analysis_options.h"

#include "cli/analysis_pipeline.h"
#include "core/artwork/thickening.h"
#include "core/host/host.h"
#include "core/text/quoted.h"
#include "image/picture_resolution.h"

#include <filesystem>
#include <ostream>

namespace pistora::cli {

namespace {
constexpr double kMillimetresPerInch = 25.4;
constexpr long kMaxThickenTimes = 100;
Status ReadToolOptions(const Args& args, AnalysisOptions* options) {
  double tool_width = 0.0;
  double overlap = kDefaultOverlap;
  double hole_min = kDefaultHoleMinMm;
  double hole_max = kDefaultHoleMaxMm;
  double threshold = kDefaultThresholdPercent;
  long passes = 1;
  for (const Status& s : {GetDecimal(args, "tool-width", &tool_width), GetDecimal(args, "overlap", &overlap),
                          GetDecimal(args, "hole-min", &hole_min), GetDecimal(args, "hole-max", &hole_max),
                          GetDecimal(args, "threshold", &threshold),
                          GetInteger(args, "passes", 1, kMaxPasses, &passes)}) {
    if (!s) return s;
  }
  if (args.Has("tool-width") && !(tool_width > 0.0 && tool_width < 100.0)) {
    return Status::Error("--tool-width doit être une largeur d'outil en mm, positive (reçu " +
                         *args.Get("tool-width") + ")");
  }
  if ((args.Has("passes") || args.Has("overlap")) && !args.Has("tool-width")) {
    return Status::Error("--passes et --overlap demandent --tool-width");
  }
  if (args.Has("tool-width") && args.Has("thicken")) {
    return Status::Error("--tool-width et --thicken ne vont pas ensemble : la largeur d'outil place déjà les chemins");
  }
  if (!(overlap >= 0.0 && overlap <= kMaxOverlap)) {
    return Status::Error("--overlap doit être compris entre 0 et 0.9 (reçu " + *args.Get("overlap") + ")");
  }
  if (!(hole_min > 0.0) || !(hole_max >= hole_min)) {
    return Status::Error("--hole-min et --hole-max doivent être des diamètres positifs, le minimum au plus égal au maximum");
  }
  if (!(threshold >= 1.0 && threshold <= 99.0)) {
    return Status::Error("--threshold doit être un pourcentage entre 1 et 99 (reçu " + *args.Get("threshold") + ")");
  }
  options->tool = ToolPathSettings{tool_width, static_cast<int>(passes), overlap};
  options->holes_by_size = args.Has("hole-min") || args.Has("hole-max") || args.Has("tool-width");
  options->hole_min_mm = hole_min;
  options->hole_max_mm = hole_max;
  options->threshold_percent = threshold;
  return Status::Ok();
}

}  // namespace

void AddAnalysisOptions(ArgSpec* options_spec) {
  options_spec->valued.insert(
      {"pixel-mm", "dpi", "hole-size", "pad-points", "tool-width", "passes", "overlap", "hole-min", "hole-max", "threshold"});
  options_spec->optional_value.insert("thicken");
  options_spec->flags.insert("smooth");
}

Status ReadAnalysisOptions(const Args& args, AnalysisOptions* options) {
  if (args.Has("pixel-mm") && args.Has("dpi")) {
    return Status::Error("donner l'échelle par --pixel-mm ou par --dpi (un seul des deux)");
  }
  options->scale_from_file = !args.Has("pixel-mm") && !args.Has("dpi");
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
  } else if (args.Has("pixel-mm") && !(pixel_mm > 0.0)) {
    return Status::Error("--pixel-mm doit être un nombre positif");
  }
  options->settings = ExtractionSettings{static_cast<int>(hole_size), static_cast<int>(pad_points)};
  options->pixel_mm = pixel_mm;
  options->thicken_times = static_cast<int>(thicken_times);
  options->smooth = args.Has("smooth");
  return ReadToolOptions(args, options);
}

Status TakeScaleFromArtwork(const std::string& artwork, AnalysisOptions* options, std::string* notice) {
  if (!options->scale_from_file) return Status::Ok();
  std::error_code error;
  if (!std::filesystem::exists(artwork, error)) return Status::Error("Le fichier " + Quoted(artwork) + " est introuvable.");
  const std::optional<StatedResolution> resolution = ReadFileResolution(artwork);
  if (!resolution) {
    return Status::Error("l'image " + Quoted(artwork) +
                         " ne dit pas sa résolution : donner l'échelle par --pixel-mm ou par --dpi");
  }
  options->pixel_mm = PixelSizeMmOf(*resolution);
  *notice = "résolution de " + ResolutionText(*resolution) + " lue dans le fichier " + Quoted(artwork) +
            " (pixel de " + std::to_string(options->pixel_mm) + " mm)";
  return Status::Ok();
}

ToolPathReport ApplyAnalysisRewrites(const AnalysisOptions& options, Workspace* ws, std::ostream& err) {
  NullHost host;
  ApplyContourRewrites(*ws, host, options.settings.hole_size, options.thicken_times, options.smooth);
  if (options.holes_by_size) ClassifyHolesBySize(*ws, options.hole_min_mm, options.hole_max_mm);
  ToolPathReport report;
  if (options.tool.tool_width_mm > 0.0) {
    report = RebuildContoursForTool(*ws, options.tool);
    for (const GapWarning& w : report.warnings) err << GapWarningText(w, options.tool.tool_width_mm) << "\n";
  }
  return report;
}

}  // namespace pistora::cli
