#include "cli/cmd_convert.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/analysis_options.h"
#include "cli/analysis_pipeline.h"
#include "cli/cli_args.h"
#include "cli/gerber_input.h"
#include "cli/job_options.h"
#include "cli/program_check.h"
#include "core/artwork/contour_drawing.h"
#include "core/job/drill_sizes.h"
#include "core/job/engraving_file.h"
#include "core/job/file_names.h"
#include "core/text/line_file.h"

namespace pistora::cli {

int RunConvert(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  ArgSpec options_spec;
  options_spec.valued = {"out-dir"};
  AddAnalysisOptions(&options_spec);
  AddJobOptions(&options_spec);
  AddGerberOptions(&options_spec);
  Args args;
  AnalysisOptions analysis;
  JobParameters parameters;
  GerberOptions gerber;
  Status status = ParseArgs(argv, options_spec, &args);
  if (status && (args.positional.size() != 1 || args.Get("out-dir").value_or("").empty())) {
    err << "Usage : pistora-cli convert TYPON --out-dir DOSSIER " << kAnalysisOptionsUsage << "\n        "
        << kJobOptionsUsage << "\n        " << kToolOptionsUsage << "\n        " << kGerberOptionsUsage << "\n";
    return 2;
  }
  if (status) status = ReadGerberOptions(args.positional[0], &args, &gerber);
  if (status) status = ReadAnalysisOptions(args, &analysis);
  std::string scale_notice;
  if (status) status = TakeScaleFromArtwork(args.positional[0], &analysis, &scale_notice);
  if (status) status = ReadJobOptions(args, &parameters);
  if (!status) {
    err << "pistora-cli convert : " << status.message() << "\n";
    return 2;
  }

  if (!scale_notice.empty()) err << "pistora-cli convert : " << scale_notice << "\n";
  const std::filesystem::path artwork(args.positional[0]);
  const std::filesystem::path dir(*args.Get("out-dir"));
  const std::string stem = artwork.stem().string();
  const std::string grv = (dir / (stem + ".grv")).string();
  const ProgramTargets targets{(dir / (stem + "-gravure.iso")).string(), (dir / (stem + "-percage.iso")).string()};

  Workspace ws;
  ToolPathReport tool_paths;
  if (gerber.is_gerber) {
    if (Status s = AnalyseGerberBoard(artwork.string(), gerber, analysis, &ws, &parameters, out, err); !s) {
      err << "pistora-cli convert : " << s.message() << "\n";
      return 1;
    }
  } else {
    std::string notice;
    if (Status s = AnalyseArtworkFile(artwork.string(), analysis.settings, analysis.pixel_mm, &ws,
                                      analysis.threshold_percent, &notice);
        !s) {
      err << "pistora-cli convert : " << s.message() << "\n";
      return 1;
    }
    if (!notice.empty()) err << "pistora-cli convert : " << notice << "\n";
    tool_paths = ApplyAnalysisRewrites(analysis, &ws, err);
  }
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) {
    err << "pistora-cli convert : impossible de créer le dossier " << dir.string() << " : " << error.message()
        << "\n";
    return 1;
  }
  // The engraving file and the programs are one set: all of them replace the previous ones or
  // none does (a full disk while writing the second program keeps the whole previous set).
  StagedSaves staged;
  // The engraving file holds the analysis as the window saves it before any job is ordered.
  if (Status s = SaveEngravingFile(grv, ws); !s) {
    err << "pistora-cli convert : " << s.message() << "\n";
    return 1;
  }
  const ContourCounters counters = CountContours(ws.Table);
  out << "Fichier gravure : " << grv << " (" << ws.ArtworkBitmap.Width() << " x " << ws.ArtworkBitmap.Height()
      << " pixels, " << ws.Table.ContourCount() << " contours, " << counters.UsefulTrackCount << " pistes utiles, "
      << counters.DrillCount << " pastilles)\n";
  Status written = WritePrograms(ws, parameters, targets, out, MachineWorkFeed());
  if (written) written = staged.Commit();
  if (!written) {
    err << "pistora-cli convert : " << written.message() << "\n";
    return 1;
  }
  if (analysis.tool.tool_width_mm > 0.0) {
    IsolationReport report;
    // With a drill list the drilling is one program per drill that had holes.
    std::vector<std::string> drilling = {targets.drilling};
    std::vector<DrillSize> drills;
    if (ParseDrillList(parameters.Drills, &drills) && !drills.empty()) {
      drilling.clear();
      for (const DrillSize& drill : drills) {
        const std::string name = DrillProgramName(CompleteFileName(targets.drilling, ".iso"), drill);
        if (std::filesystem::exists(name)) drilling.push_back(name);
      }
    }
    if (Status s = CheckPrograms(ws.ArtworkBitmap, ws.PixelSizeMm, analysis.tool.tool_width_mm, targets.engraving,
                                 drilling, &report, tool_paths.copper.get());
        !s) {
      err << "pistora-cli convert : " << s.message() << "\n";
      return 1;
    }
    out << IsolationReportText(report) << "\n";
  }
  return 0;
}

}  // namespace pistora::cli
