#include "core/machine/program_time.h"

#include <cmath>

#include "core/machine/iso_program.h"

namespace pistora {

ProgramTime EstimateProgramTime(const std::vector<std::string>& lines, int work_feed) {
  ProgramTime time;
  ToolPosition at;
  for (const std::string& line : lines) {
    const IsoLineKind kind = ClassifyIsoLine(line);
    for (const bool cutting : {false, true}) {
      if (!(cutting ? kind.g01 : kind.g00)) continue;
      const AxisWords words = ParseAxisWords(line, at);
      if (!words.ok()) continue;
      const double dx = words.target.x - at.x, dy = words.target.y - at.y, dz = words.target.z - at.z;
      const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
      if (dx == 0 && dy == 0) {
        time.up_down_mm += length;
      } else {
        (cutting ? time.cutting_mm : time.travel_mm) += length;
      }
      at = words.target;
    }
  }
  time.cutting_seconds = EstimatedProgramSeconds(time.cutting_mm, work_feed);
  time.travel_seconds = EstimatedProgramSeconds(time.travel_mm, work_feed);
  time.up_down_seconds = EstimatedProgramSeconds(time.up_down_mm, work_feed);
  time.total_seconds = EstimatedProgramSeconds(time.cutting_mm + time.travel_mm + time.up_down_mm, work_feed);
  return time;
}

}  // namespace pistora
