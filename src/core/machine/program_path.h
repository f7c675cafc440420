#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/machine/iso_motion.h"

namespace pistora {

struct CopyGrid;

// How a straight move of a program looks on the board.
enum class PathMoveKind {
  kCut,     // in X or Y with the tool below the work surface (both ends below Z 0)
  kTravel,  // in X or Y with the tool at or above the surface at either end
};

// One move of a program in X or Y, in millimetres from the copy's work zero.
struct PathSegment {
  double x0 = 0, y0 = 0, z0 = 0;
  double x1 = 0, y1 = 0, z1 = 0;
  PathMoveKind kind = PathMoveKind::kTravel;
  long line = 0;  // 0-based line of the program the move comes from
};

// A place where the tool went below the surface and came back up without moving in X or Y
// (a hole): shown as a point.
struct DrillPoint {
  double x = 0, y = 0;
  long line = 0;  // the line that went down
};

// A program's moves as the view draws them and the run counts them, read once when the
// program is loaded, exactly as the runner reads them (ParseAxisWords from the point reached,
// each G00 and each G01 of a line one move, lines that do not convert left out).
struct ProgramPath {
  std::vector<PathSegment> segments;  // in program order, so sorted by line
  std::vector<DrillPoint> drill_points;
  // Where the tool stands when line i begins (i = 0 .. line count; the last: at the end),
  // and the path length (mm, every axis) run before it.
  std::vector<ToolPosition> line_start;
  std::vector<double> line_start_mm;
  double top_z = 0;  // the highest Z the program reaches (mm, never below 0)
  double max_x = 0, max_y = 0;  // the largest X and Y reached (mm, never below 0)

  long LineCount() const { return static_cast<long>(line_start.size()) - 1; }
  double LengthMm() const { return line_start_mm.back(); }
  // How many segments come from lines before `line` (all of them are done once the runner
  // is at `line`).
  std::size_t SegmentsBefore(long line) const;
};

ProgramPath BuildProgramPath(const std::vector<std::string>& lines);

// The copies' work zeros in run order (row by row from the first copy), mm from the first one.
struct CopyOrigin {
  double x = 0, y = 0;
};
std::vector<CopyOrigin> CopyOrigins(const CopyGrid& grid);

}  // namespace pistora
