#include "cli/cmd_info.h"

#include <ostream>

#include "cli/cli_args.h"
#include "cli/cmd_run.h"
#include "cli/job_options.h"
#include "core/machine/iso_program.h"
#include "core/settings/machine_parameters.h"
#include "core/text/numbers.h"

namespace pistora::cli {

int RunInfo(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  ArgSpec options_spec;
  options_spec.valued = {"feed", "copies"};
  Args args;
  Status status = ParseArgs(argv, options_spec, &args);
  long feed = MachineWorkFeed();
  if (status && args.Has("feed")) status = GetInteger(args, "feed", 1, 1000000, &feed);
  std::pair<int, int> copies = {1, 1};
  if (status && args.Has("copies")) {
    const auto parsed = ParseCopies(args.Get("copies").value_or(""));
    if (parsed) {
      copies = *parsed;
    } else {
      status = Status::Error("--copies attend NXxNY, chaque nombre de 1 à 100 (ex. 2x2)");
    }
  }
  if (!status || args.positional.size() != 1) {
    if (!status) err << "pistora-cli info : " << status.message() << "\n";
    err << "Usage : pistora-cli info PROGRAMME.iso [--feed F] [--copies NXxNY]\n";
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
  // The time of the whole run, as the machine window shows it: every copy and the walks
  // between them, with the factory copy gap.
  const CopyGrid grid{copies.first, copies.second, analysis.extent_x, analysis.extent_y, MachineParameters{}.CopyGap};
  const long seconds =
      EstimatedProgramSeconds(StartSequenceLength(grid, analysis.length, analysis.end), static_cast<int>(feed));
  out << "Taille X : " << x << " mm\n"
      << "Taille Y : " << y << " mm\n"
      << "Longueur : " << length << " mm\n"
      << "Temps estimé : " << FormatHoursMinutesSeconds(seconds) << " (à " << feed << " mm/mn";
  if (copies != std::pair<int, int>{1, 1}) out << ", " << copies.first << "x" << copies.second << " copies";
  out << ")\n"
      << "extent X=" << x << " Y=" << y << " length=" << length << " time=" << seconds << "\n";
  return 0;
}

}  // namespace pistora::cli
