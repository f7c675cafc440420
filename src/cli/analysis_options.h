#pragma once

#include <iosfwd>

#include "cli/cli_args.h"
#include "core/artwork/extraction.h"
#include "core/artwork/hole_shape.h"
#include "core/artwork/threshold.h"
#include "core/artwork/tool_paths.h"
#include "core/artwork/workspace.h"
#include "core/text/status.h"

namespace pistora::cli {

// The scale and processing options of a command that analyses an artwork:
//   (--pixel-mm MM | --dpi N) [--hole-size N] [--pad-points N] [--thicken [N]] [--smooth]
struct AnalysisOptions {
  ExtractionSettings settings;
  double pixel_mm = 0.0;  // millimetres per pixel, > 0 (0 until read from the artwork)
  bool scale_from_file = false;  // neither --pixel-mm nor --dpi: the artwork's stated resolution
  int thicken_times = 0;  // --thicken [N]: the thickening command N times (1 without N)
  bool smooth = false;    // --smooth: one smoothing pass, before any thickening
  double threshold_percent = kDefaultThresholdPercent;  // --threshold P: grey and colour pictures
  bool holes_by_size = false;  // --hole-min / --hole-max given, or --tool-width
  double hole_min_mm = kDefaultHoleMinMm;
  double hole_max_mm = kDefaultHoleMaxMm;
  ToolPathSettings tool;  // --tool-width MM [--passes N] [--overlap F]; width 0 = paths one pixel out
};

void AddAnalysisOptions(ArgSpec* options_spec);

// At most one of --pixel-mm and --dpi (neither: the artwork's resolution, TakeScaleFromArtwork), each a positive decimal with "."; the two counts
// within the ranges of the window's spin boxes; the tool width positive, passes 1..kMaxPasses,
// overlap 0..kMaxOverlap, hole sizes positive with min <= max, threshold 1..99 %. --passes and
// --overlap need --tool-width, which does not go with --thicken. The message names the option
// at fault.
Status ReadAnalysisOptions(const Args& args, AnalysisOptions* options);

// When the options gave no scale, the pixel size from the resolution the artwork's header states;
// `notice` receives the line that says which resolution was used. Refused, naming the file, when
// the file states none.
Status TakeScaleFromArtwork(const std::string& artwork, AnalysisOptions* options, std::string* notice);

inline constexpr const char* kAnalysisOptionsUsage =
    "[--pixel-mm MM | --dpi N] [--hole-size N] [--pad-points N] [--thicken [N]] [--smooth]";
inline constexpr const char* kToolOptionsUsage =
    "[--tool-width MM [--passes N] [--overlap F]] [--hole-min MM] [--hole-max MM] [--threshold P]";

// The contour rewrites asked for, applied to an analysed workspace: smoothing, thickening, pads by
// their size, then the tool's paths. The warnings of the gaps narrower than the tool go to `err`,
// one line each.
ToolPathReport ApplyAnalysisRewrites(const AnalysisOptions& options, Workspace* ws, std::ostream& err);

}  // namespace pistora::cli
