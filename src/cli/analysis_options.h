#pragma once

#include "cli/cli_args.h"
#include "core/artwork/extraction.h"
#include "core/artwork/workspace.h"
#include "core/text/status.h"

namespace pistora::cli {

// The scale and processing options of a command that analyses an artwork:
//   (--pixel-mm MM | --dpi N) [--hole-size N] [--pad-points N] [--thicken [N]] [--smooth]
struct AnalysisOptions {
  ExtractionSettings settings;
  double pixel_mm = 0.0;  // millimetres per pixel, > 0
  int thicken_times = 0;  // --thicken [N]: the thickening command N times (1 without N)
  bool smooth = false;    // --smooth: one smoothing pass, before any thickening
};

void AddAnalysisOptions(ArgSpec* options_spec);

// Exactly one of --pixel-mm and --dpi, each a positive decimal with "."; the two counts
// within the ranges of the window's spin boxes. The message names the option at fault.
Status ReadAnalysisOptions(const Args& args, AnalysisOptions* options);

inline constexpr const char* kAnalysisOptionsUsage =
    "(--pixel-mm MM | --dpi N) [--hole-size N] [--pad-points N] [--thicken [N]] [--smooth]";

// The contour rewrites asked for (smoothing, then thickening), applied to an analysed workspace.
void ApplyAnalysisRewrites(const AnalysisOptions& options, Workspace* ws);

}  // namespace pistora::cli
