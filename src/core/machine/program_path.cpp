#include "core/machine/program_path.h"

#include <algorithm>
#include <cmath>

#include "core/machine/iso_program.h"

namespace pistora {

std::size_t ProgramPath::SegmentsBefore(long line) const {
  const auto first_at = std::lower_bound(segments.begin(), segments.end(), line,
                                         [](const PathSegment& s, long l) { return s.line < l; });
  return static_cast<std::size_t>(first_at - segments.begin());
}

ProgramPath BuildProgramPath(const std::vector<std::string>& lines) {
  ProgramPath path;
  path.line_start.reserve(lines.size() + 1);
  path.line_start_mm.reserve(lines.size() + 1);
  ToolPosition at;
  double length = 0;
  // The last descent below the surface while no X/Y move has followed it.
  bool hole_open = false;
  DrillPoint hole;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    path.line_start.push_back(at);
    path.line_start_mm.push_back(length);
    const IsoLineKind kind = ClassifyIsoLine(lines[i]);
    for (const bool move : {kind.g00, kind.g01}) {
      if (!move) continue;
      const AxisWords words = ParseAxisWords(lines[i], at);
      if (!words.ok()) continue;
      const ToolPosition& to = words.target;
      const double dx = to.x - at.x, dy = to.y - at.y, dz = to.z - at.z;
      length += std::sqrt(dx * dx + dy * dy + dz * dz);
      const long line = static_cast<long>(i);
      if (dx != 0 || dy != 0) {
        const bool cut = at.z < 0 && to.z < 0;
        path.segments.push_back({at.x, at.y, at.z, to.x, to.y, to.z, cut ? PathMoveKind::kCut : PathMoveKind::kTravel,
                                 line});
        hole_open = false;
      } else if (to.z < 0 && at.z >= 0) {
        hole_open = true;
        hole = {to.x, to.y, line};
      } else if (to.z >= 0 && at.z < 0 && hole_open) {
        path.drill_points.push_back(hole);
        hole_open = false;
      }
      path.top_z = std::max(path.top_z, to.z);
      path.max_x = std::max(path.max_x, to.x);
      path.max_y = std::max(path.max_y, to.y);
      at = to;
    }
  }
  path.line_start.push_back(at);
  path.line_start_mm.push_back(length);
  return path;
}

std::vector<CopyOrigin> CopyOrigins(const CopyGrid& grid) {
  const int cx = std::clamp(grid.copies_x, 1, kMaxCopies);
  const int cy = std::clamp(grid.copies_y, 1, kMaxCopies);
  std::vector<CopyOrigin> origins;
  origins.reserve(static_cast<std::size_t>(cx) * static_cast<std::size_t>(cy));
  for (int j = 0; j < cy; ++j)
    for (int i = 0; i < cx; ++i) origins.push_back({i * (grid.extent_x + grid.gap), j * (grid.extent_y + grid.gap)});
  return origins;
}

}  // namespace pistora
