#include "core/artwork/hole_shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/artwork/copper_map.h"
#include "core/artwork/path_text.h"

namespace pistora {

std::optional<HoleShape> MeasureHole(const Contour& contour, double pixel_mm) {
  if (!contour.IsClosed) return std::nullopt;
  const std::vector<PathPoint> points = PathPoints(contour.PathText);
  if (points.size() < 5) return std::nullopt;
  const std::size_t steps = points.size() - 1;
  const PathPoint* start = &points.front();

  // Twice the signed area of the polygon through the ring's pixel centres (closed on its start).
  double twice_area = 0.0;
  int min_x = start->x, max_x = start->x, min_y = start->y, max_y = start->y;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PathPoint& a = points[i];
    const PathPoint& b = points[(i + 1) % points.size()];
    twice_area += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
    min_x = std::min(min_x, a.x);
    max_x = std::max(max_x, a.x);
    min_y = std::min(min_y, a.y);
    max_y = std::max(max_y, a.y);
  }
  HoleShape shape;
  // Pick: lattice points inside or on a simple polygon = area + boundary points / 2 + 1; every
  // step of an 8-connected ring reaches the next boundary point.
  shape.area_px = std::abs(twice_area) / 2.0 + static_cast<double>(steps) / 2.0 + 1.0;
  shape.center_x = (min_x + max_x) / 2.0;
  shape.center_y = (min_y + max_y) / 2.0;
  double farthest = 0.0;
  for (const PathPoint& p : points) {
    farthest = std::max(farthest, std::hypot(p.x - shape.center_x, p.y - shape.center_y));
  }
  const double radius = farthest + 0.5;  // out to the far side of the farthest pixel
  shape.roundness = shape.area_px / (std::numbers::pi * radius * radius);
  shape.diameter_mm = 2.0 * std::sqrt(shape.area_px / std::numbers::pi) * pixel_mm;
  return shape;
}

double HoleDiameterMm(const Contour& contour, double pixel_mm) {
  const std::optional<HoleShape> shape = MeasureHole(contour, pixel_mm);
  return shape ? shape->diameter_mm : 0.0;
}

bool RunsInsideCopper(const Workspace& ws, const Contour& contour) {
  const Bitmap& art = ws.ArtworkBitmap;
  const std::vector<PathPoint> points = PathPoints(contour.PathText);
  if (points.empty()) return false;
  const PathPoint* leftmost = &points.front();
  const PathPoint* rightmost = &points.front();
  for (const PathPoint& p : points) {
    if (p.x < leftmost->x) leftmost = &p;
    if (p.x > rightmost->x) rightmost = &p;
  }
  auto copper_at = [&](int x, int y) {
    const int row = art.RowOf(y);
    return art.Contains(x, row) && IsCopperColour(art.At(x, row));
  };
  return copper_at(leftmost->x - 1, leftmost->y) && copper_at(rightmost->x + 1, rightmost->y);
}

int ClassifyHolesBySize(Workspace& ws, double min_mm, double max_mm, const std::set<int>& set_by_hand) {
  int pads = 0;
  for (int index = 0; index < ws.Table.ContourCount(); ++index) {
    if (set_by_hand.count(index) != 0) continue;
    Contour& c = ws.Table[index];
    const std::optional<HoleShape> shape = MeasureHole(c, ws.PixelSizeMm);
    const bool opening = RunsInsideCopper(ws, c);
    const bool hole = opening && shape && shape->roundness >= kMinHoleRoundness && shape->diameter_mm >= min_mm &&
                      shape->diameter_mm <= max_mm;
    if (hole) {
      c.IsPad = true;
      c.IsUseless = false;
      ++pads;
    } else if (c.IsPad) {
      c.IsPad = false;
      c.IsUseless = opening;
    }
  }
  return pads;
}

}  // namespace pistora
