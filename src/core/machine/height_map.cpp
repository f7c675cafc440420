#include "core/machine/height_map.h"

#include <algorithm>
#include <cmath>

#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {

namespace {

bool PositiveExtent(double extent_x, double extent_y, std::string* error) {
  if (std::isfinite(extent_x) && std::isfinite(extent_y) && extent_x > 0 && extent_y > 0) return true;
  if (error) {
    *error = Fill(Tr("Carte des hauteurs : l'étendue du travail (%1 x %2 mm) doit être positive sur X et sur Y."),
                  {FormatFixed(extent_x, 3), FormatFixed(extent_y, 3)});
  }
  return false;
}

}  // namespace

std::optional<HeightGrid> GridByCount(double origin_x, double origin_y, double extent_x, double extent_y,
                                      int columns, int rows, std::string* error) {
  if (!PositiveExtent(extent_x, extent_y, error)) return std::nullopt;
  if (columns < kMinGridPoints || columns > kMaxGridPoints || rows < kMinGridPoints || rows > kMaxGridPoints) {
    if (error) {
      *error = Fill(Tr("Carte des hauteurs : grille de %1 x %2 points refusée (de %3 à %4 points par côté)."),
                    {std::to_string(columns), std::to_string(rows), std::to_string(kMinGridPoints),
                     std::to_string(kMaxGridPoints)});
    }
    return std::nullopt;
  }
  return HeightGrid{origin_x, origin_y, extent_x / (columns - 1), extent_y / (rows - 1), columns, rows};
}

std::optional<HeightGrid> GridBySpacing(double origin_x, double origin_y, double extent_x, double extent_y,
                                        double spacing, std::string* error) {
  if (!PositiveExtent(extent_x, extent_y, error)) return std::nullopt;
  if (!std::isfinite(spacing) || spacing <= 0) {
    if (error) {
      *error = Fill(Tr("Carte des hauteurs : le pas de la grille (%1 mm) doit être positif."),
                    {FormatFixed(spacing, 3)});
    }
    return std::nullopt;
  }
  // A tiny epsilon keeps an extent that is an exact multiple of the spacing at that count.
  const auto count = [spacing](double extent) {
    return static_cast<int>(std::min<double>(kMaxGridPoints + 1.0, std::ceil(extent / spacing - 1e-9))) + 1;
  };
  return GridByCount(origin_x, origin_y, extent_x, extent_y, std::max(kMinGridPoints, count(extent_x)),
                     std::max(kMinGridPoints, count(extent_y)), error);
}

std::vector<GridPoint> SerpentineOrder(const HeightGrid& grid) {
  std::vector<GridPoint> order;
  order.reserve(static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(std::max(grid.rows, 0)));
  for (int row = 0; row < grid.rows; ++row) {
    for (int n = 0; n < grid.columns; ++n) order.push_back({row % 2 == 0 ? n : grid.columns - 1 - n, row});
  }
  return order;
}

HeightMap::HeightMap(const HeightGrid& grid)
    : grid_(grid), heights_(static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows), 0.0) {}

double HeightMap::HeightAt(double x, double y) const {
  if (heights_.empty()) return 0;
  if (grid_.columns < kMinGridPoints || grid_.rows < kMinGridPoints) return heights_.front();
  // The cell's fractional coordinates, held to the grid (the nearest edge value outside it).
  const auto locate = [](double v, double origin, double step, int count, int* cell, double* t) {
    const double u = std::clamp((v - origin) / step, 0.0, static_cast<double>(count - 1));
    *cell = std::min(static_cast<int>(u), count - 2);
    *t = u - *cell;
  };
  int column = 0;
  int row = 0;
  double tx = 0;
  double ty = 0;
  locate(x, grid_.origin_x, grid_.step_x, grid_.columns, &column, &tx);
  locate(y, grid_.origin_y, grid_.step_y, grid_.rows, &row, &ty);
  const double bottom = At(column, row) * (1 - tx) + At(column + 1, row) * tx;
  const double top = At(column, row + 1) * (1 - tx) + At(column + 1, row + 1) * tx;
  return bottom * (1 - ty) + top * ty;
}

double HeightMap::MaxSegmentLength() const { return std::min(grid_.step_x, grid_.step_y) / 2; }

HeightSummary HeightMap::Summary() const {
  HeightSummary s;
  if (heights_.empty()) return s;
  const auto [low, high] = std::minmax_element(heights_.begin(), heights_.end());
  s.min = *low;
  s.max = *high;
  // On a full regular grid the X and Y coordinates are uncorrelated, so each slope of the
  // least-squares plane is the covariance with that coordinate over its variance.
  double mean_x = 0, mean_y = 0, mean_z = 0;
  const double n = static_cast<double>(heights_.size());
  for (int r = 0; r < grid_.rows; ++r) {
    for (int c = 0; c < grid_.columns; ++c) {
      mean_x += PointX(c);
      mean_y += PointY(r);
      mean_z += At(c, r);
    }
  }
  mean_x /= n;
  mean_y /= n;
  mean_z /= n;
  double sxx = 0, syy = 0, sxz = 0, syz = 0;
  for (int r = 0; r < grid_.rows; ++r) {
    for (int c = 0; c < grid_.columns; ++c) {
      const double dx = PointX(c) - mean_x;
      const double dy = PointY(r) - mean_y;
      const double dz = At(c, r) - mean_z;
      sxx += dx * dx;
      syy += dy * dy;
      sxz += dx * dz;
      syz += dy * dz;
    }
  }
  s.tilt_x = sxx > 0 ? sxz / sxx * 100 : 0;
  s.tilt_y = syy > 0 ? syz / syy * 100 : 0;
  return s;
}

void HeightMap::MakeRelativeToFirstPoint() {
  if (heights_.empty()) return;
  const double first = heights_.front();
  for (double& z : heights_) z -= first;
}

}  // namespace pistora
