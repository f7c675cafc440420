#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/artwork/copper_map.h"

namespace pistora {

// A straight cutting move of the tool at cutting depth, in program millimetres
// (X = column * pixel size, Y = (height - row) * pixel size).
struct CutSegment {
  double x0 = 0.0;
  double y0 = 0.0;
  double x1 = 0.0;
  double y1 = 0.0;
};

// A point where the tool goes down without moving sideways (a drilled or spotted hole), in mm.
struct DrillPoint {
  double x = 0.0;
  double y = 0.0;
};

// What the groove of a tool leaves of the artwork's copper.
struct IsolationReport {
  int islands = 0;
  int not_isolated = 0;   // islands joined to another one by copper the groove left (8-connected)
  long copper_cut = 0;    // copper pixels whose centre lies inside the groove
  long copper_pixels = 0;
  int drills_on_copper = 0;
  double CopperCutPercent() const {
    return copper_pixels == 0 ? 0.0 : 100.0 * static_cast<double>(copper_cut) / static_cast<double>(copper_pixels);
  }
  bool Passed() const { return not_isolated == 0 && drills_on_copper == 0; }
};

// Lays the groove (every pixel whose centre is closer than `groove_radius_px` to a cutting move)
// over the artwork: the whole board is copper before milling, so every pixel the groove leaves is
// copper afterwards, and an island is isolated when no such pixels join it to another island.
// A drill point is on copper when the pixel under it is copper. `groove` (when given) receives
// 1 for every pixel the groove takes, 0 elsewhere (CopperMap indices).
IsolationReport CheckIsolation(const CopperMap& copper, double pixel_mm, double groove_radius_px,
                               const std::vector<CutSegment>& cuts, const std::vector<DrillPoint>& drills,
                               std::vector<std::uint8_t>* groove = nullptr);

// "check: islands=<n> not-isolated=<n> copper-cut=<px> (<percent> %) drills-on-copper=<n>"
std::string IsolationReportText(const IsolationReport& report);

}  // namespace pistora
