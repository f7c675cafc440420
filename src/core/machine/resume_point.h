#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/machine/iso_motion.h"
#include "core/machine/program_path.h"
#include "core/text/status.h"

namespace pistora {

// Where a stopped run goes on from: the start of the object (a contour, a hole, a travel
// between two of them) that the stop interrupted, within the same copy.
struct ResumePoint {
  int copy = 0;          // 0-based, in run order
  long stop_line = 0;    // 0-based line the run stopped at
  long start_line = 0;   // 0-based line the resumed run begins with
  ToolPosition start;    // where the tool stands when start_line begins (mm from the copy's work zero)
  double retract_z = 0;  // height of the lift and of the walk there (mm)
  std::optional<int> feed;  // the program's feed word in effect at start_line, if any
  std::uint64_t work_zero_epoch = 0;  // MachineState::WorkZeroEpoch at the stop
};

// Lift used when the program never goes above the surface (mm).
inline constexpr double kResumeLiftMm = 2.0;

// The object holding `stop_line` begins at the last line at or before it that starts with the
// tool at or above the surface (Z >= 0): a plunge, a hole's descent, a travel. A stop while
// cutting goes back to the plunge of that contour, so the whole contour is cut again.
ResumePoint PlanResumePoint(const std::vector<std::string>& lines, const ProgramPath& path, int copy,
                            long stop_line);

// Ok, or why "Reprendre" is refused: the stop latch still set, or the work zero changed
// (RAZ, homing) since the stop.
Status CheckResume(const ResumePoint& point, std::uint64_t work_zero_epoch_now, bool stop_latched);

// The lead-in of a resumed run: up to the retract height where the tool stands, across to
// the resume point at that height, down to it at the work feed.
void MoveToResumePoint(IsoMotion& motion, const ResumePoint& point);

}  // namespace pistora
