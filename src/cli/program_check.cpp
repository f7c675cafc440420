#include "cli/program_check.h"

#include <utility>
#include <vector>

#include "core/job/program_cuts.h"
#include "core/machine/iso_program.h"

namespace pistora::cli {

Status CheckPrograms(const Bitmap& artwork, double pixel_mm, double tool_width_mm, const std::string& engraving_iso,
                     const std::string& drilling_iso, IsolationReport* report, const CopperMap* copper) {
  return CheckPrograms(artwork, pixel_mm, tool_width_mm, engraving_iso,
                       drilling_iso.empty() ? std::vector<std::string>{} : std::vector<std::string>{drilling_iso},
                       report, copper);
}

Status CheckPrograms(const Bitmap& artwork, double pixel_mm, double tool_width_mm, const std::string& engraving_iso,
                     const std::vector<std::string>& drilling_isos, IsolationReport* report, const CopperMap* copper) {
  std::vector<std::string> engraving;
  std::vector<std::string> drilling;
  if (!engraving_iso.empty()) {
    if (Status s = LoadIsoProgram(engraving_iso, &engraving); !s) return s;
  }
  for (const std::string& path : drilling_isos) {
    std::vector<std::string> lines;
    if (Status s = LoadIsoProgram(path, &lines); !s) return s;
    drilling.insert(drilling.end(), lines.begin(), lines.end());
  }
  *report = CheckProgramLines(artwork, pixel_mm, tool_width_mm, engraving, drilling, copper);
  return Status::Ok();
}

}  // namespace pistora::cli
