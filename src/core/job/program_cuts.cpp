#include "core/job/program_cuts.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "core/artwork/copper_map.h"

namespace pistora {

ProgramCuts ReadProgramCuts(const std::vector<std::string>& lines) {
  ProgramCuts result;
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  bool moved_since_plunge = false;
  for (const std::string& line : lines) {
    double nx = x;
    double ny = y;
    double nz = z;
    int depth = 0;  // inside parentheses
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      if (c == '(') ++depth;
      if (c == ')' && depth > 0) --depth;
      if (depth > 0) continue;
      const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      if (letter != 'X' && letter != 'Y' && letter != 'Z') continue;
      char* end = nullptr;
      const double value = std::strtod(line.c_str() + i + 1, &end);
      if (end == line.c_str() + i + 1) continue;
      (letter == 'X' ? nx : letter == 'Y' ? ny : nz) = value;
      i = static_cast<std::size_t>(end - line.c_str()) - 1;
    }
    const bool below = nz < 0.0;
    if (below && z >= 0.0) moved_since_plunge = false;
    if (below && z < 0.0 && (nx != x || ny != y)) {
      result.cuts.push_back({x, y, nx, ny});
      moved_since_plunge = true;
    }
    if (!below && z < 0.0 && !moved_since_plunge) result.drills.push_back({x, y});
    x = nx;
    y = ny;
    z = nz;
  }
  if (z < 0.0 && !moved_since_plunge) result.drills.push_back({x, y});
  return result;
}

IsolationReport CheckProgramLines(const Bitmap& artwork, double pixel_mm, double tool_width_mm,
                                  const std::vector<std::string>& engraving_lines,
                                  const std::vector<std::string>& drilling_lines, const CopperMap* copper) {
  ProgramCuts engraving = ReadProgramCuts(engraving_lines);
  std::vector<DrillPoint> drills = std::move(engraving.drills);
  const ProgramCuts drilling = ReadProgramCuts(drilling_lines);
  drills.insert(drills.end(), drilling.drills.begin(), drilling.drills.end());
  std::sort(drills.begin(), drills.end(),
            [](const DrillPoint& a, const DrillPoint& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
  drills.erase(std::unique(drills.begin(), drills.end(),
                           [](const DrillPoint& a, const DrillPoint& b) { return a.x == b.x && a.y == b.y; }),
               drills.end());
  const double radius_px = tool_width_mm / 2.0 / pixel_mm;
  if (copper && copper->Width() == artwork.Width() && copper->Height() == artwork.Height()) {
    return CheckIsolation(*copper, pixel_mm, radius_px, engraving.cuts, drills);
  }
  const CopperMap own(artwork, false);  // islands only: the groove needs no distances
  return CheckIsolation(own, pixel_mm, radius_px, engraving.cuts, drills);
}

}  // namespace pistora
