#include "core/artwork/isolation_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/artwork/bands.h"
#include "core/text/numbers.h"

namespace pistora {
namespace {

// Marks the pixels of rows first_row..end_row - 1 whose centres lie closer than `radius` to
// segment a-b (pixel coordinates: column, row).
void MarkCapsule(std::vector<std::uint8_t>& cut, int width, int first_row, int end_row, double ax, double ar,
                 double bx, double br, double radius) {
  const int x_from = std::max(0, static_cast<int>(std::floor(std::min(ax, bx) - radius)));
  const int x_to = std::min(width - 1, static_cast<int>(std::ceil(std::max(ax, bx) + radius)));
  const int r_from = std::max(first_row, static_cast<int>(std::floor(std::min(ar, br) - radius)));
  const int r_to = std::min(end_row - 1, static_cast<int>(std::ceil(std::max(ar, br) + radius)));
  const double dx = bx - ax;
  const double dr = br - ar;
  const double length2 = dx * dx + dr * dr;
  const double limit = radius * radius;
  for (int row = r_from; row <= r_to; ++row) {
    for (int x = x_from; x <= x_to; ++x) {
      double t = length2 > 0.0 ? ((x - ax) * dx + (row - ar) * dr) / length2 : 0.0;
      t = std::clamp(t, 0.0, 1.0);
      const double ex = ax + t * dx - x;
      const double er = ar + t * dr - row;
      if (ex * ex + er * er < limit) cut[static_cast<std::size_t>(row) * width + x] = 1;
    }
  }
}

}  // namespace

IsolationReport CheckIsolation(const CopperMap& copper, double pixel_mm, double groove_radius_px,
                               const std::vector<CutSegment>& cuts, const std::vector<DrillPoint>& drills,
                               std::vector<std::uint8_t>* groove) {
  const int width = copper.Width();
  const int height = copper.Height();
  IsolationReport report;
  report.islands = copper.IslandCount();
  report.copper_pixels = copper.CopperPixelCount();
  if (width == 0 || height == 0 || !(pixel_mm > 0.0)) return report;

  std::vector<std::uint8_t> cut(static_cast<std::size_t>(width) * height, 0);
  ForEachBand(height, BandCount(), [&](int, int first_row, int end_row) {
    for (const CutSegment& s : cuts) {
      MarkCapsule(cut, width, first_row, end_row, s.x0 / pixel_mm, height - s.y0 / pixel_mm, s.x1 / pixel_mm,
                  height - s.y1 / pixel_mm, groove_radius_px);
    }
  });
  // Components of what the groove leaves; an island sharing one with another island leaks. The
  // copper the groove cut is what these components do not hold.
  long copper_left = 0;
  std::vector<std::uint8_t> left(static_cast<std::size_t>(width));
  const ComponentRuns components = LabelRuns(width, height, [&](int row) {
    const std::uint8_t* grooved = cut.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(width);
    for (int x = 0; x < width; ++x) left[static_cast<std::size_t>(x)] = grooved[x] ^ 1;
    return left.data();
  });
  constexpr std::int32_t kShared = -1;
  std::vector<std::int32_t> island_of(static_cast<std::size_t>(components.count) + 1, 0);  // 0, an island, or kShared
  std::vector<std::uint8_t> leaks(static_cast<std::size_t>(report.islands) + 1, 0);
  for (const ComponentRun& run : components.runs) {
    std::int32_t& owner = island_of[static_cast<std::size_t>(run.component)];
    for (int x = run.left; x <= run.right; ++x) {
      const std::int32_t island = copper.IslandAt(copper.IndexOf(x, run.row));
      if (island == 0) continue;
      ++copper_left;
      if (island == owner) continue;
      if (owner == 0) {
        owner = island;
        continue;
      }
      // A second island in the component: both leak, and so does every later one there.
      if (owner != kShared) leaks[static_cast<std::size_t>(owner)] = 1;
      leaks[static_cast<std::size_t>(island)] = 1;
      owner = kShared;
    }
  }
  report.copper_cut = report.copper_pixels - copper_left;
  if (groove) *groove = cut;
  report.not_isolated = static_cast<int>(std::count(leaks.begin(), leaks.end(), 1));

  for (const DrillPoint& d : drills) {
    const auto x = static_cast<long>(std::lround(d.x / pixel_mm));
    const auto row = static_cast<long>(std::lround(height - d.y / pixel_mm));
    if (x >= 0 && row >= 0 && x < width && row < height &&
        copper.IsCopper(copper.IndexOf(static_cast<int>(x), static_cast<int>(row)))) {
      ++report.drills_on_copper;
    }
  }
  return report;
}

std::string IsolationReportText(const IsolationReport& report) {
  return "check: islands=" + std::to_string(report.islands) + " not-isolated=" + std::to_string(report.not_isolated) +
         " copper-cut=" + std::to_string(report.copper_cut) + " (" + FormatFixed(report.CopperCutPercent(), 2) +
         " %) drills-on-copper=" + std::to_string(report.drills_on_copper);
}

}  // namespace pistora
