#pragma once

#include <functional>

#include "core/machine/height_map.h"
#include "core/machine/probing.h"

namespace pistora {

struct HeightMapProbeResult {
  ProbeOutcome outcome = ProbeOutcome::kRefused;  // kContact when every point was probed
  HeightMap map;                                  // whole only on kContact
  int points_probed = 0;
};

// Probes the grid's points in serpentine order: at each point the tool rises to the clearance
// height (or stays higher if it already is), travels there at the work feed and probes down
// (ProbeDown, which lifts back). The heights are kept relative to the first point, the job's
// origin, where Z 0 is set on the copper. `progress` is told (points done, points in all) after
// each point. The first point that is not a contact ends the map (the latch tells why).
HeightMapProbeResult ProbeHeightMap(MotionEngine& engine, const HeightGrid& grid, const ProbeSettings& settings,
                                    const std::function<void(int, int)>& progress = {});

}  // namespace pistora
