#include "cli/gerber_input.h"

#include <ostream>

#include "cli/analysis_pipeline.h"
#include "core/job/drill_placement.h"
#include "core/job/excellon.h"
#include "core/text/numbers.h"
#include "image/gerber_picture.h"

namespace pistora::cli {

namespace {

constexpr double kMillimetresPerInch = 25.4;

}  // namespace

void AddGerberOptions(ArgSpec* options_spec) {
  options_spec->valued.insert("drill");
  options_spec->flags.insert("mirror");
}

Status ReadGerberOptions(const std::string& artwork, Args* args, GerberOptions* options) {
  GerberOptions result;
  result.is_gerber = IsGerberFile(artwork);
  result.drill_path = args->Get("drill").value_or("");
  result.mirror = args->Has("mirror");
  if (!result.is_gerber) {
    if (args->Has("drill") || result.mirror) {
      return Status::Error("--drill et --mirror demandent un typon Gerber (RS-274X)");
    }
    *options = result;
    return Status::Ok();
  }
  if (args->Has("pixel-mm")) {
    return Status::Error("l'échelle d'un typon Gerber est connue : donner sa résolution par --dpi, pas --pixel-mm");
  }
  if (!args->Has("dpi")) args->options["dpi"] = std::to_string(kDefaultGerberDpi);
  long dpi = 0;
  if (Status s = GetInteger(*args, "dpi", 25, 10000, &dpi); !s) return s;
  result.dpi = static_cast<int>(dpi);
  *options = result;
  return Status::Ok();
}

Status AnalyseGerberBoard(const std::string& gerber, const GerberOptions& options, const AnalysisOptions& analysis,
                          Workspace* ws, JobParameters* parameters, std::ostream& out, std::ostream& err) {
  DrillFile drills;
  if (!options.drill_path.empty()) {
    if (Status s = ReadDrillFile(options.drill_path, &drills); !s) return s;
    if (drills.holes.empty()) {
      return Status::Error("Le fichier de perçage « " + options.drill_path + " » ne contient aucun trou.");
    }
  }
  GerberRequest request;
  request.gerber_path = gerber;
  request.dpi = options.dpi;
  request.mirror = options.mirror;
  request.holes = drills.holes;
  GerberPicture picture;
  if (Status s = RenderGerber(request, &picture); !s) return s;
  const PictureFrame frame = picture.frame;
  OpenDrillHoles(picture.bitmap, drills.holes, frame);
  std::string notice;
  if (Status s = AnalyseArtworkBitmap(std::move(picture.bitmap), gerber, analysis.settings,
                                      kMillimetresPerInch / options.dpi, ws, analysis.threshold_percent, &notice);
      !s) {
    return s;
  }
  if (!notice.empty()) err << "pistora-cli convert : " << notice << "\n";
  ApplyAnalysisRewrites(analysis, ws, err);
  // The programs' X0 Y0 is the centre of the picture's bottom-left pixel.
  const double x0 = frame.mirrored ? frame.origin_x_mm + (frame.width - 0.5) * frame.pixel_mm
                                   : frame.origin_x_mm + 0.5 * frame.pixel_mm;
  const double y0 = frame.origin_y_mm - 0.5 * frame.pixel_mm;
  out << "Typon Gerber : " << gerber << " à " << options.dpi << " dpi" << (frame.mirrored ? ", retourné (face dessous)" : "")
      << " ; X0 Y0 des programmes = X " << FormatFixed(x0, 3) << " Y " << FormatFixed(y0, 3)
      << " mm de la carte" << (frame.mirrored ? " (X vers la gauche de la carte)" : "") << "\n";
  if (options.drill_path.empty()) return Status::Ok();
  DrillPlacement placement;
  if (Status s = PlaceDrillHoles(*ws, drills.holes, frame, &placement); !s) return s;
  for (const std::string& line : drills.notices) err << "pistora-cli convert : " << line << "\n";
  for (const std::string& line : placement.notices) err << "pistora-cli convert : " << line << "\n";
  if (parameters->Drills.empty()) parameters->Drills = DrillListOfHoles(drills.holes);
  out << "Perçage : " << placement.placed << " trous de " << options.drill_path << " (forets " << parameters->Drills
      << " mm)" << (placement.dropped_pads > 0 ? ", " + std::to_string(placement.dropped_pads) + " pastilles du typon écartées" : "")
      << "\n";
  return Status::Ok();
}

}  // namespace pistora::cli
