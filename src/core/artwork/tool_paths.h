#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/artwork/copper_map.h"
#include "core/artwork/workspace.h"

namespace pistora {

// Isolation paths for a real tool: each island's engraved contour runs at the tool's radius
// from its copper (centre distances), so the groove's edge touches the copper without cutting
// it. Each pixel belongs to its nearest island; where two islands are closer than the tool the
// dilated islands are parted along that border, so the path runs midway through the gap (never
// over copper) and a GapWarning tells where.
struct ToolPathSettings {
  double tool_width_mm = 0.0;  // > 0
  int passes = 1;              // paths per island, each further out (1..kMaxPasses)
  double overlap = 0.25;       // of the tool width, shared by neighbouring passes (0..kMaxOverlap)
};

inline constexpr int kMaxPasses = 20;
inline constexpr double kMaxOverlap = 0.9;
inline constexpr double kDefaultOverlap = 0.25;

// Two islands closer than the tool, at their narrowest place.
struct GapWarning {
  int island_a = 0;  // island numbers of the CopperMap, island_a < island_b
  int island_b = 0;
  double gap_mm = 0.0;  // copper edge to copper edge
  double x_mm = 0.0;    // the middle of the gap, in program coordinates
  double y_mm = 0.0;
};

// "warning: gap of 0.127 mm is narrower than the 0.200 mm tool at X=12.345 Y=67.890"
std::string GapWarningText(const GapWarning& warning, double tool_width_mm);

struct ToolPathReport {
  int rebuilt = 0;  // useful contours given the tool's path
  int added = 0;    // contours of the outer passes, appended to the table
  std::vector<GapWarning> warnings;  // one per pair of islands, ordered by island numbers
  // The copper the paths were built from (the workspace's artwork at the time), for a check
  // of the programs that follows without building it again.
  std::shared_ptr<const CopperMap> copper;
};

// The islands dilated by `radius_px` (1 inside, 0 outside, CopperMap indices): copper, and the
// pixels closer than the radius to their own island, except on each side of a border between
// two islands' dilations, so that no two dilations touch. `warnings` (when given) receives the
// pairs of islands whose pixels closer than `warn_radius_px` meet at such a border, at their
// narrowest place; `pixel_mm` only measures them.
std::vector<std::uint8_t> DilateIslands(const CopperMap& copper, double radius_px, double warn_radius_px,
                                        std::vector<GapWarning>* warnings, double pixel_mm);

// Replaces, for every island, its longest useful contour by the ring around its dilation by the
// tool's radius (flags and job order kept); with passes > 1 adds the outlines of the
// dilations by radius + k * width * (1 - overlap) as useful contours. Pads and useless contours
// stay. Needs ws.PixelSizeMm > 0 and an artwork whose copper is black or processed blue. The
// engraving bitmap is left for the caller to redraw.
ToolPathReport RebuildContoursForTool(Workspace& ws, const ToolPathSettings& settings);

}  // namespace pistora
