#include "cli/program_check.h"

#include <algorithm>
#include <vector>

#include "core/artwork/copper_map.h"
#include "core/job/program_cuts.h"
#include "core/machine/iso_program.h"

namespace pistora::cli {

Status CheckPrograms(const Bitmap& artwork, double pixel_mm, double tool_width_mm, const std::string& engraving_iso,
                     const std::string& drilling_iso, IsolationReport* report) {
  std::vector<CutSegment> cuts;
  std::vector<DrillPoint> drills;
  for (const std::string* path : {&engraving_iso, &drilling_iso}) {
    if (path->empty()) continue;
    std::vector<std::string> lines;
    if (Status s = LoadIsoProgram(*path, &lines); !s) return s;
    ProgramCuts program = ReadProgramCuts(lines);
    if (path == &engraving_iso) cuts = std::move(program.cuts);
    drills.insert(drills.end(), program.drills.begin(), program.drills.end());
  }
  // The engraving program spots the holes the drilling program drills: each place counts once.
  std::sort(drills.begin(), drills.end(), [](const DrillPoint& a, const DrillPoint& b) {
    return a.x != b.x ? a.x < b.x : a.y < b.y;
  });
  drills.erase(std::unique(drills.begin(), drills.end(),
                           [](const DrillPoint& a, const DrillPoint& b) { return a.x == b.x && a.y == b.y; }),
               drills.end());
  const CopperMap copper(artwork, false);  // islands only: the groove needs no distances
  *report = CheckIsolation(copper, pixel_mm, tool_width_mm / 2.0 / pixel_mm, cuts, drills);
  return Status::Ok();
}

}  // namespace pistora::cli
