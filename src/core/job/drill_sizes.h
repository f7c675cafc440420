#pragma once

#include <string>
#include <vector>

#include "core/artwork/contour.h"
#include "core/text/status.h"

namespace pistora {

// A drill of the list, as typed ("0.8") and as a number (mm).
struct DrillSize {
  std::string text;
  double mm = 0;
};

// The hole of a pad (mm): the diameter of the disc of the opening's area, as the hole rule
// measures it (HoleDiameterMm); for a contour whose path cannot be measured (no path text, as in
// a hand-made table), the mean of its bounding box's width and height, pixels counted inclusively.
// A hole read from a drill file (path text "(x;y)TROU d mm", DrillFileHolePath) has its
// diameter d exactly.
double PadHoleDiameterMm(const Contour& pad, double pixel_size_mm);

// "0.6,0.8,1.0,1.2": diameters in mm written with "." and separated by commas (blanks around
// them are allowed). Each must be above 0 and at most 10 mm and appear once. The list is
// sorted by size. An empty text gives an empty list (one drill for every hole, as before).
Status ParseDrillList(const std::string& text, std::vector<DrillSize>* drills);

// Index of the drill nearest to the hole diameter; of two equally near, the larger (a hole a
// little too wide still takes the lead). `drills` sorted by size, not empty.
std::size_t NearestDrill(const std::vector<DrillSize>& drills, double hole_mm);

// "<name without .iso>-<drill>mm.iso": the program of one drill ("board-percage.iso" and "0.8"
// give "board-percage-0.8mm.iso").
std::string DrillProgramName(const std::string& program_name, const DrillSize& drill);

}  // namespace pistora
