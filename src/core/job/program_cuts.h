#pragma once

#include <string>
#include <vector>

#include "core/artwork/bitmap.h"
#include "core/artwork/isolation_check.h"

namespace pistora {

class CopperMap;

// What a program does to the board: its straight cutting moves (below Z 0) and the points where
// the tool goes down and comes back up without moving sideways (holes drilled or spotted).
struct ProgramCuts {
  std::vector<CutSegment> cuts;
  std::vector<DrillPoint> drills;
};

// Reads the moves of program lines: G0/G00 and G1/G01 (modal) with X, Y, Z words in mm; comments
// in parentheses, "%", F, M and other words are passed over. Arcs are not written by this program
// and are taken as straight moves to their end.
ProgramCuts ReadProgramCuts(const std::vector<std::string>& lines);

// Lays the groove of a `tool_width_mm` tool along the cutting moves of the engraving program's
// lines over the artwork's copper (black, or processed blue), `pixel_mm` millimetres per pixel,
// and takes the drill points of both programs (each place counted once: the engraving program
// spots the holes the drilling program drills). `copper`, when given, is the artwork's copper
// already mapped (it must come from this artwork), which spares mapping it again.
IsolationReport CheckProgramLines(const Bitmap& artwork, double pixel_mm, double tool_width_mm,
                                  const std::vector<std::string>& engraving_lines,
                                  const std::vector<std::string>& drilling_lines, const CopperMap* copper = nullptr);

}  // namespace pistora
