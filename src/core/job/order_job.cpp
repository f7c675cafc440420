#include "core/job/order_job.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/text/message_translation.h"

namespace pistora {

bool IsInJob(const Contour& contour, JobMode mode) {
  return mode == JobMode::Engraving ? !contour.IsUseless : contour.IsPad;
}

std::uint64_t SquaredDistance(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
  // |dx| below 2^33, so each square fits in 64 bits; the sum is capped before it could wrap.
  const std::uint64_t dx = static_cast<std::uint64_t>(x1 > x2 ? x1 - x2 : x2 - x1);
  const std::uint64_t dy = static_cast<std::uint64_t>(y1 > y2 ? y1 - y2 : y2 - y1);
  const std::uint64_t dx2 = dx * dx;
  const std::uint64_t dy2 = dy * dy;
  if (dx2 > kFarthestMeasure || dy2 > kFarthestMeasure) return kFarthestMeasure + 1;
  return std::min(dx2 + dy2, kFarthestMeasure + 1);
}

namespace {

// Unordered eligible start points bucketed in square cells of `cell_` pixels.
class StartGrid {
 public:
  StartGrid(const ContourTable& table, const std::vector<int>& members) : table_(table) {
    std::int64_t min_x = std::numeric_limits<std::int64_t>::max(), min_y = min_x;
    std::int64_t max_x = std::numeric_limits<std::int64_t>::min(), max_y = max_x;
    for (int i : members) {
      min_x = std::min<std::int64_t>(min_x, table[i].StartX);
      max_x = std::max<std::int64_t>(max_x, table[i].StartX);
      min_y = std::min<std::int64_t>(min_y, table[i].StartY);
      max_y = std::max<std::int64_t>(max_y, table[i].StartY);
    }
    origin_x_ = min_x;
    origin_y_ = min_y;
    // About two points per cell, and never more cells than that on a side.
    const double span_x = static_cast<double>(max_x - min_x) + 1.0;
    const double span_y = static_cast<double>(max_y - min_y) + 1.0;
    const double n = static_cast<double>(members.size());
    double cell = std::ceil(std::sqrt(span_x * span_y * 2.0 / n));
    cell = std::max({cell, span_x / (2.0 * n + 1.0), span_y / (2.0 * n + 1.0), 1.0});
    cell_ = static_cast<std::int64_t>(cell);
    columns_ = (max_x - min_x) / cell_ + 1;
    rows_ = (max_y - min_y) / cell_ + 1;
    cells_.resize(static_cast<std::size_t>(columns_ * rows_));
    for (int i : members) cells_[CellOf(table[i].StartX, table[i].StartY)].push_back(i);
  }

  // Index of the nearest start to (px, py), the highest index among equal measures;
  // -1 when none is nearer than kFarthestMeasure. The chosen start leaves the grid.
  int TakeNearest(std::int64_t px, std::int64_t py) {
    const std::int64_t pcx = FloorDiv(px - origin_x_, cell_);
    const std::int64_t pcy = FloorDiv(py - origin_y_, cell_);
    // Rings of cells around P's cell (P may lie outside the grid): the first ring that
    // reaches the grid, up to the last that still holds a grid cell.
    const std::int64_t out_x = std::max({std::int64_t{0}, -pcx, pcx - (columns_ - 1)});
    const std::int64_t out_y = std::max({std::int64_t{0}, -pcy, pcy - (rows_ - 1)});
    const std::int64_t first_ring = std::max(out_x, out_y);
    const std::int64_t last_ring = std::max({pcx, columns_ - 1 - pcx, pcy, rows_ - 1 - pcy});
    std::uint64_t best = kFarthestMeasure;
    int best_index = -1;
    std::size_t best_cell = 0, best_slot = 0;
    auto visit = [&](std::int64_t cx, std::int64_t cy) {
      if (cx < 0 || cy < 0 || cx >= columns_ || cy >= rows_) return;
      const std::size_t cell = static_cast<std::size_t>(cy * columns_ + cx);
      const std::vector<int>& bucket = cells_[cell];
      for (std::size_t slot = 0; slot < bucket.size(); ++slot) {
        const int i = bucket[slot];
        const std::uint64_t d = SquaredDistance(px, py, table_[i].StartX, table_[i].StartY);
        if (d < best || (d == best && i > best_index)) {
          best = d;
          best_index = i;
          best_cell = cell;
          best_slot = slot;
        }
      }
    };
    for (std::int64_t ring = first_ring; ring <= last_ring; ++ring) {
      if (ring >= 1) {
        // Any start in ring r is at least (r - 1) * cell + 1 away on one axis; a ring that
        // can only hold larger measures ends the search (equal ones may still win a tie).
        const std::uint64_t gap = static_cast<std::uint64_t>((ring - 1) * cell_ + 1);
        if (gap > 100000 || gap * gap > best) break;
      }
      const std::int64_t x0 = pcx - ring, x1 = pcx + ring, y0 = pcy - ring, y1 = pcy + ring;
      for (std::int64_t cy = std::max<std::int64_t>(y0, 0); cy <= std::min(y1, rows_ - 1); ++cy) {
        if (cy == y0 || cy == y1) {
          for (std::int64_t cx = std::max<std::int64_t>(x0, 0); cx <= std::min(x1, columns_ - 1); ++cx) {
            visit(cx, cy);
          }
        } else {
          visit(x0, cy);
          visit(x1, cy);
        }
      }
    }
    if (best_index >= 0) {
      std::vector<int>& bucket = cells_[best_cell];
      bucket[best_slot] = bucket.back();
      bucket.pop_back();
    }
    return best_index;
  }

 private:
  static std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
  }
  std::size_t CellOf(std::int64_t x, std::int64_t y) const {
    return static_cast<std::size_t>(((y - origin_y_) / cell_) * columns_ + (x - origin_x_) / cell_);
  }

  const ContourTable& table_;
  std::int64_t origin_x_ = 0, origin_y_ = 0, cell_ = 1, columns_ = 1, rows_ = 1;
  std::vector<std::vector<int>> cells_;
};

}  // namespace

void OrderJob(Workspace& ws, JobMode mode) {
  ContourTable& table = ws.Table;
  std::vector<int> members;
  for (int i = 0; i < table.ContourCount(); ++i) {
    table[i].JobOrder = 0;
    if (IsInJob(table[i], mode)) members.push_back(i);
  }
  ws.OrderedCount = 0;
  if (members.empty()) return;

  StartGrid grid(table, members);
  const std::string log_line = Tr("Le vertex n°%1 a reçu le n°d'ordre %2");
  std::int64_t px = 0, py = 0;
  for (int k = 1;; ++k) {
    const int chosen = grid.TakeNearest(px, py);
    if (chosen < 0) break;
    Contour& c = table[chosen];
    c.JobOrder = k;
    ws.OrderedCount = k;
    px = c.EndX;
    py = c.EndY;
    ws.ContourLog.push_back(Fill(log_line, {std::to_string(chosen), std::to_string(k)}));
  }
}

std::vector<int> IndexByJobOrder(const Workspace& ws) {
  std::vector<int> by_order(static_cast<std::size_t>(std::max(ws.OrderedCount, 0)) + 1, -1);
  for (int i = 0; i < ws.Table.ContourCount(); ++i) {
    const int k = ws.Table[i].JobOrder;
    if (k >= 1 && k <= ws.OrderedCount && by_order[static_cast<std::size_t>(k)] < 0) {
      by_order[static_cast<std::size_t>(k)] = i;
    }
  }
  return by_order;
}

}  // namespace pistora
