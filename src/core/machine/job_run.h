#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/host/host.h"
#include "core/machine/iso_motion.h"
#include "core/machine/iso_program.h"
#include "core/machine/program_path.h"
#include "core/machine/resume_point.h"
#include "core/machine/run_progress.h"

namespace pistora {

// A loaded program as "Démarrer la gravure" runs it: its lines, their path and the copies.
struct JobProgram {
  std::vector<std::string> lines;
  ProgramPath path;
  CopyGrid grid;
};

struct JobRunResult {
  bool ran = false;      // the whole sequence ran
  std::string error;     // a program refused before it moved (empty: none)
  // Set when a stop (STOP, an alarm) ended the run inside a copy's program: where it can go
  // on from, on the work zero it stopped on.
  std::optional<ResumePoint> resume;
};

// Runs the copy sequence of `job` (RunStartSequence), keeping `progress` at the copy and line
// being run and its work zero where the walks between copies take it. With `from`, the sequence starts at that copy: feed word in effect set, lead-in
// to the resume point, the copy's program from the resume line, then the copies after it.
JobRunResult RunJob(const JobProgram& job, IsoMotion& motion, Host& host, RunProgress& progress,
                    const ResumePoint* from = nullptr);

}  // namespace pistora
