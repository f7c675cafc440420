#include "core/machine/height_map_probing.h"

#include <algorithm>

namespace pistora {

HeightMapProbeResult ProbeHeightMap(MotionEngine& engine, const HeightGrid& grid, const ProbeSettings& settings,
                                    const std::function<void(int, int)>& progress) {
  HeightMapProbeResult result;
  result.map = HeightMap(grid);
  MachineState& state = engine.State();
  const double travel_z = std::max(state.Position[2], settings.clearance);
  const std::vector<GridPoint> order = SerpentineOrder(grid);
  const int total = static_cast<int>(order.size());
  for (const GridPoint& point : order) {
    const double x = result.map.PointX(point.column);
    const double y = result.map.PointY(point.row);
    if (engine.MoveTo(state.Position[0], state.Position[1], travel_z) != MoveOutcome::Completed ||
        engine.MoveTo(x, y, travel_z) != MoveOutcome::Completed) {
      result.outcome = ProbeOutcome::kStopped;
      return result;
    }
    const ProbeResult probe = ProbeDown(engine, settings);
    if (probe.outcome != ProbeOutcome::kContact) {
      result.outcome = probe.outcome;
      return result;
    }
    result.map.Set(point.column, point.row, probe.contact_z);
    ++result.points_probed;
    if (progress) progress(result.points_probed, total);
  }
  result.map.MakeRelativeToFirstPoint();
  result.outcome = ProbeOutcome::kContact;
  return result;
}

}  // namespace pistora
