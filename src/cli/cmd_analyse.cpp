#include "cli/cmd_analyse.h"

#include <chrono>
#include <ostream>

#include "cli/analysis_options.h"
#include "cli/analysis_pipeline.h"
#include "cli/cli_args.h"
#include "core/artwork/contour_drawing.h"
#include "core/job/engraving_file.h"
#include "core/job/file_names.h"

namespace pistora::cli {
namespace {

const char kUsage[] = "Usage : pistora-cli analyse TYPON -o SORTIE.grv ";

}  // namespace

int RunAnalyse(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  ArgSpec options_spec;
  options_spec.valued = {"o"};
  AddAnalysisOptions(&options_spec);
  Args args;
  Status status = ParseArgs(argv, options_spec, &args);
  if (status && (args.positional.size() != 1 || args.Get("o").value_or("").empty())) {
    err << kUsage << kAnalysisOptionsUsage << "\n        " << kToolOptionsUsage << "\n";
    return 2;
  }
  AnalysisOptions options;
  if (status) status = ReadAnalysisOptions(args, &options);
  std::string scale_notice;
  if (status) status = TakeScaleFromArtwork(args.positional[0], &options, &scale_notice);
  if (!status) {
    err << "pistora-cli analyse : " << status.message() << "\n" << kUsage << kAnalysisOptionsUsage << "\n";
    return 2;
  }

  const auto started = std::chrono::steady_clock::now();
  if (!scale_notice.empty()) err << "pistora-cli analyse : " << scale_notice << "\n";
  Workspace ws;
  std::string notice;
  if (Status s = AnalyseArtworkFile(args.positional[0], options.settings, options.pixel_mm, &ws,
                                    options.threshold_percent, &notice);
      !s) {
    err << "pistora-cli analyse : " << s.message() << "\n";
    return 1;
  }
  if (!notice.empty()) err << "pistora-cli analyse : " << notice << "\n";
  ApplyAnalysisRewrites(options, &ws, err);
  const std::string path = CompleteFileName(*args.Get("o"), ".grv");
  if (Status s = SaveEngravingFile(path, ws); !s) {
    err << "pistora-cli analyse : " << s.message() << "\n";
    return 1;
  }
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
  const ContourCounters counters = CountContours(ws.Table);
  out << "Fichier gravure : " << path << " (" << ws.ArtworkBitmap.Width() << " x " << ws.ArtworkBitmap.Height()
      << " pixels, " << ws.Table.ContourCount() << " contours, " << counters.UsefulTrackCount
      << " pistes utiles, " << counters.DrillCount << " perçages, " << elapsed.count() << " ms)\n";
  return 0;
}

}  // namespace pistora::cli
