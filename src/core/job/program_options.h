#pragma once

#include <string>

#include "core/job/gcode_dialect.h"
#include "core/text/status.h"

namespace pistora {

struct JobParameters;

// How the programs are written beyond the job settings of param.txt: for which controller, the
// spindle speed, the travel height, the object order and the drill list. The defaults write
// today's programs.
struct ProgramOptions {
  Dialect TargetDialect = Dialect::Pistora;
  std::string SpindleRpm = "10000";  // whole number, rev/min
  std::string TravelHeight;          // mm with "."; empty: the retract distance
  bool ImprovedOrder = false;
  std::string Drills;                // "0.6,0.8,1.0" (mm); empty: one drilling program

  friend bool operator==(const ProgramOptions&, const ProgramOptions&) = default;
};

// Ok, or a message naming the first value that cannot go into a program.
Status CheckProgramOptions(const ProgramOptions& options);

// Copies the options into the parameters the program writers take.
void ApplyProgramOptions(const ProgramOptions& options, JobParameters* parameters);

}  // namespace pistora
