#include "cli/cmd_info.h"

#include <ostream>

#include "cli/cli_args.h"
#include "cli/job_options.h"
#include "core/machine/iso_program.h"
#include "core/text/numbers.h"

namespace pistora::cli {

int RunInfo(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  ArgSpec options_spec;
  options_spec.valued = {"feed"};
  Args args;
  Status status = ParseArgs(argv, options_spec, &args);
  long feed = MachineWorkFeed();
  if (status && args.Has("feed")) status = GetInteger(args, "feed", 1, 1000000, &feed);
  if (!status || args.positional.size() != 1) {
    if (!status) err << "pistora-cli info : " << status.message() << "\n";
    err << "Usage : pistora-cli info PROGRAMME.iso [--feed F]\n";
    return 2;
  }

  std::vector<std::string> lines;
  if (Status s = LoadIsoProgram(args.positional[0], &lines); !s) {
    err << "pistora-cli info : " << s.message() << "\n";
    return 1;
  }
  NullHost host;
  const bool no_stop = false;
  const IsoAnalysis analysis =
      AnalyseIsoProgram(lines, ToolPosition{}, static_cast<int>(feed), host, no_stop);
  if (!analysis.status) {
    err << "pistora-cli info : " << analysis.status.message() << "\n";
    return 1;
  }
  const std::string x = FormatFixed(analysis.extent_x, 3);
  const std::string y = FormatFixed(analysis.extent_y, 3);
  const std::string length = FormatFixed(analysis.length, 3);
  out << "Taille X : " << x << " mm\n"
      << "Taille Y : " << y << " mm\n"
      << "Longueur : " << length << " mm\n"
      << "Temps estimé : " << analysis.estimated_seconds << " s (à " << feed << " mm/mn)\n"
      << "extent X=" << x << " Y=" << y << " length=" << length
      << " time=" << analysis.estimated_seconds << "\n";
  return 0;
}

}  // namespace pistora::cli
