#include "cli/cmd_gcode.h"

#include <ostream>

#include "cli/cli_args.h"
#include "cli/job_options.h"
#include "core/artwork/workspace.h"
#include "core/job/engraving_file.h"

namespace pistora::cli {

int RunGcode(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  ArgSpec options_spec;
  options_spec.valued = {"engrave", "drill"};
  AddJobOptions(&options_spec);
  Args args;
  JobParameters parameters;
  Status status = ParseArgs(argv, options_spec, &args);
  if (status) status = ReadJobOptions(args, &parameters);
  const ProgramTargets targets{args.Get("engrave").value_or(""), args.Get("drill").value_or("")};
  if (status) status = CheckProgramTargets(targets);
  if (!status) {
    err << "pistora-cli gcode : " << status.message() << "\n";
    return 2;
  }
  if (args.positional.size() != 1 || (targets.engraving.empty() && targets.drilling.empty())) {
    err << "Usage : pistora-cli gcode FICHIER.grv [--engrave GRAVURE.iso] [--drill PERCAGE.iso]\n"
           "        "
        << kJobOptionsUsage << "\n(au moins un de --engrave et --drill)\n";
    return 2;
  }

  Workspace ws;
  if (Status s = LoadEngravingFile(args.positional[0], &ws); !s) {
    err << "pistora-cli gcode : " << s.message() << "\n";
    return 1;
  }
  if (Status s = WritePrograms(ws, parameters, targets, out, MachineWorkFeed()); !s) {
    err << "pistora-cli gcode : " << s.message() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace pistora::cli
