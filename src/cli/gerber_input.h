#pragma once

#include <iosfwd>
#include <string>

#include "cli/analysis_options.h"
#include "cli/cli_args.h"
#include "core/artwork/workspace.h"
#include "core/job/gcode_writer.h"
#include "core/text/status.h"

namespace pistora::cli {

// The Gerber road of convert: the artwork is an RS-274X copper layer (told by its content),
//   [--drill FILE] [--mirror] [--dpi N (whole, default 1200)]
struct GerberOptions {
  bool is_gerber = false;
  std::string drill_path;  // empty: holes from the picture
  bool mirror = false;
  int dpi = 0;
};

void AddGerberOptions(ArgSpec* options_spec);

// Tells a Gerber artwork by its first bytes and reads its options; for one, a missing --dpi
// becomes the default resolution in `args` (the scale is known: no --pixel-mm). --drill and
// --mirror are refused for a picture.
Status ReadGerberOptions(const std::string& artwork, Args* args, GerberOptions* options);

inline constexpr const char* kGerberOptionsUsage = "[--drill FICHIER.drl] [--mirror]  (typon Gerber)";

// Renders the layer (gerbv), analyses it as a picture with `analysis`, applies its rewrites, then
// takes the holes from the drill file when there is one: the picture's pads give way to them,
// and an empty drill list of `parameters` becomes the file's diameters. Tells on `out` where
// the programs' X0 Y0 lies on the board and what was drilled; notices (holes on no copper,
// gaps, slots) go to `err`.
Status AnalyseGerberBoard(const std::string& gerber, const GerberOptions& options, const AnalysisOptions& analysis,
                          Workspace* ws, JobParameters* parameters, std::ostream& out, std::ostream& err);

}  // namespace pistora::cli
