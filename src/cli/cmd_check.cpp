#include "cli/cmd_check.h"

#include <ostream>

#include "cli/analysis_options.h"
#include "cli/cli_args.h"
#include "cli/program_check.h"
#include "core/artwork/threshold.h"
#include "core/text/quoted.h"
#include "image/artwork_loader.h"

namespace pistora::cli {
namespace {

const char kUsage[] =
    "Usage : pistora-cli check TYPON GRAVURE.iso [--pixel-mm MM | --dpi N] --tool-width MM [--drill PERCAGE.iso] "
    "[--threshold P]\n";

}  // namespace

int RunCheck(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  ArgSpec options_spec;
  options_spec.valued = {"drill"};
  AddAnalysisOptions(&options_spec);
  Args args;
  Status status = ParseArgs(argv, options_spec, &args);
  if (status && (args.positional.size() != 2 || !args.Has("tool-width"))) {
    err << kUsage;
    return 2;
  }
  AnalysisOptions options;
  if (status) status = ReadAnalysisOptions(args, &options);
  std::string scale_notice;
  if (status) status = TakeScaleFromArtwork(args.positional[0], &options, &scale_notice);
  if (!status) {
    err << "pistora-cli check : " << status.message() << "\n" << kUsage;
    return 2;
  }
  if (!scale_notice.empty()) err << "pistora-cli check : " << scale_notice << "\n";
  Bitmap artwork;
  if (Status s = LoadArtwork(args.positional[0], &artwork); !s) {
    err << "pistora-cli check : " << s.message() << "\n";
    return 1;
  }
  ThresholdArtwork(artwork, options.threshold_percent);
  if (!HasCopper(artwork)) {
    err << "pistora-cli check : l'image " << Quoted(args.positional[0]) << " ne contient aucun cuivre\n";
    return 1;
  }
  IsolationReport report;
  if (Status s = CheckPrograms(artwork, options.pixel_mm, options.tool.tool_width_mm, args.positional[1],
                               args.Get("drill").value_or(""), &report);
      !s) {
    err << "pistora-cli check : " << s.message() << "\n";
    return 1;
  }
  out << IsolationReportText(report) << "\n";
  return report.Passed() ? 0 : 1;
}

}  // namespace pistora::cli
