#pragma once

#include <iosfwd>
#include <string>

#include "cli/cli_args.h"
#include "core/artwork/workspace.h"
#include "core/job/gcode_writer.h"
#include "core/text/status.h"

namespace pistora::cli {

// The job settings of the program commands (gcode, convert), with the main window's
// built-in texts as defaults:
//   --depth 0.25  --drill-depth 1.7  --retract 1.5  --feed 350  --drill-feed 100  --no-spindle
//   --dialect pistora|linuxcnc|grbl  --spindle-rpm 10000  --travel-height MM (default: --retract)
//   --optimise-order  --drills 0.6,0.8,1.0
// Texts are copied into the programs as given, like the window copies its boxes, but only
// what those boxes accept is taken: digits with at most one "." for depths, heights and
// retract, digits only for feeds and the spindle speed.
void AddJobOptions(ArgSpec* options_spec);

// Reads the job options; the message of a refused value names the option.
Status ReadJobOptions(const Args& args, JobParameters* parameters);

// Which programs to write: the names as given (".iso" is appended as the window's dialog
// does when the name does not contain it); an empty name skips that program.
struct ProgramTargets {
  std::string engraving;
  std::string drilling;
};

// Refuses two targets that end up with the same name (the second would replace the first).
Status CheckProgramTargets(const ProgramTargets& targets);

// Writes the requested programs exactly as the window's commands do (engraving first, each
// ordering its own job; with a drill list one drilling program per drill), then tells on `out`
// what was written and each program's estimated machine time at `work_feed` mm/min. On a
// failed write the message names the file and the programs not yet written are skipped.
Status WritePrograms(Workspace& ws, const JobParameters& parameters, const ProgramTargets& targets,
                     std::ostream& out, int work_feed);

// The work feed of a freshly made cn.dat (factory values): the feed of the time estimates
// when none is given (mm/min).
int MachineWorkFeed();

// The usage text of the job options, one line.
inline constexpr const char* kJobOptionsUsage =
    "[--depth MM] [--drill-depth MM] [--retract MM] [--feed MM/MIN] [--drill-feed MM/MIN] [--no-spindle]\n"
    "        [--dialect pistora|linuxcnc|grbl] [--spindle-rpm TR/MN] [--travel-height MM] [--optimise-order]\n"
    "        [--drills D1,D2,...]";

}  // namespace pistora::cli
