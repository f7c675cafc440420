#include "cli/program_check.h"

#include <utility>
#include <vector>

#include "core/job/program_cuts.h"
#include "core/machine/iso_program.h"

namespace pistora::cli {

Status CheckPrograms(const Bitmap& artwork, double pixel_mm, double tool_width_mm, const std::string& engraving_iso,
                     const std::string& drilling_iso, IsolationReport* report, const CopperMap* copper) {
  std::vector<std::string> engraving;
  std::vector<std::string> drilling;
  for (auto [path, lines] : {std::pair{&engraving_iso, &engraving}, std::pair{&drilling_iso, &drilling}}) {
    if (path->empty()) continue;
    if (Status s = LoadIsoProgram(*path, lines); !s) return s;
  }
  *report = CheckProgramLines(artwork, pixel_mm, tool_width_mm, engraving, drilling, copper);
  return Status::Ok();
}

}  // namespace pistora::cli
