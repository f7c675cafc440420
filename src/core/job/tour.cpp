#include "core/job/tour.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace pistora {

namespace {

double Distance(double x1, double y1, double x2, double y2) { return std::hypot(x1 - x2, y1 - y2); }

// Neighbours tried for each object by 2-opt, and the most passes over the tour.
constexpr int kNeighbourCount = 10;
constexpr int kMaxPasses = 50;

// The k nearest entries of each stop (by entry point), found through a grid of square cells.
std::vector<std::vector<int>> NearestEntries(const std::vector<TourStop>& stops, int k) {
  const int n = static_cast<int>(stops.size());
  std::vector<std::vector<int>> result(static_cast<std::size_t>(n));
  if (n < 2) return result;
  double min_x = std::numeric_limits<double>::max(), min_y = min_x;
  double max_x = std::numeric_limits<double>::lowest(), max_y = max_x;
  for (const TourStop& s : stops) {
    min_x = std::min(min_x, s.entry_x);
    max_x = std::max(max_x, s.entry_x);
    min_y = std::min(min_y, s.entry_y);
    max_y = std::max(max_y, s.entry_y);
  }
  // About two entries per cell.
  const double area = (max_x - min_x + 1.0) * (max_y - min_y + 1.0);
  const double cell = std::max(1.0, std::sqrt(area * 2.0 / n));
  const int columns = static_cast<int>((max_x - min_x) / cell) + 1;
  const int rows = static_cast<int>((max_y - min_y) / cell) + 1;
  std::vector<std::vector<int>> cells(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
  auto column_of = [&](double x) { return std::clamp(static_cast<int>((x - min_x) / cell), 0, columns - 1); };
  auto row_of = [&](double y) { return std::clamp(static_cast<int>((y - min_y) / cell), 0, rows - 1); };
  for (int i = 0; i < n; ++i) {
    cells[static_cast<std::size_t>(row_of(stops[i].entry_y)) * columns + column_of(stops[i].entry_x)].push_back(i);
  }
  const int wanted = std::min(k, n - 1);
  std::vector<std::pair<double, int>> found;
  for (int i = 0; i < n; ++i) {
    const TourStop& s = stops[static_cast<std::size_t>(i)];
    const int cx = column_of(s.entry_x), cy = row_of(s.entry_y);
    found.clear();
    for (int ring = 0;; ++ring) {
      // Entries in ring r are at least (r - 1) * cell away: once k are nearer, stop.
      if (static_cast<int>(found.size()) >= wanted) {
        std::nth_element(found.begin(), found.begin() + (wanted - 1), found.end());
        if (found[static_cast<std::size_t>(wanted - 1)].first <= (ring - 1) * cell) break;
      }
      if (ring > columns && ring > rows) break;
      for (int y = cy - ring; y <= cy + ring; ++y) {
        if (y < 0 || y >= rows) continue;
        const bool edge_row = y == cy - ring || y == cy + ring;
        for (int x = cx - ring; x <= cx + ring; x += (edge_row ? 1 : 2 * ring)) {
          if (x >= 0 && x < columns) {
            for (int j : cells[static_cast<std::size_t>(y) * columns + x]) {
              if (j != i) found.emplace_back(Distance(s.entry_x, s.entry_y, stops[j].entry_x, stops[j].entry_y), j);
            }
          }
          if (!edge_row && ring == 0) break;
        }
      }
    }
    std::sort(found.begin(), found.end());
    std::vector<int>& list = result[static_cast<std::size_t>(i)];
    for (int m = 0; m < wanted && m < static_cast<int>(found.size()); ++m) list.push_back(found[m].second);
  }
  return result;
}

// The tour as a cycle of positions 0..n, position 0 being the origin.
class Cycle {
 public:
  Cycle(const std::vector<TourStop>& stops, double ox, double oy, Tour* tour)
      : stops_(stops), ox_(ox), oy_(oy), tour_(*tour), n_(static_cast<int>(tour->order.size())) {
    position_.assign(stops.size(), 0);
    for (int p = 0; p < n_; ++p) position_[static_cast<std::size_t>(tour_.order[p])] = p + 1;
  }

  int Size() const { return n_ + 1; }
  int PositionOf(int stop) const { return position_[static_cast<std::size_t>(stop)]; }
  int StopAt(int p) const { return p == 0 ? -1 : tour_.order[static_cast<std::size_t>(p - 1)]; }

  // Where the tool enters / leaves the object at position p (the origin at position 0).
  std::pair<double, double> In(int p) const {
    if (p == 0 || p == Size()) return {ox_, oy_};
    const TourStop& s = stops_[static_cast<std::size_t>(StopAt(p))];
    return tour_.reversed[static_cast<std::size_t>(p - 1)] ? std::pair{s.exit_x, s.exit_y}
                                                             : std::pair{s.entry_x, s.entry_y};
  }
  std::pair<double, double> Out(int p) const {
    if (p == 0) return {ox_, oy_};
    const TourStop& s = stops_[static_cast<std::size_t>(StopAt(p))];
    return tour_.reversed[static_cast<std::size_t>(p - 1)] ? std::pair{s.entry_x, s.entry_y}
                                                             : std::pair{s.exit_x, s.exit_y};
  }

  // The gain of reversing positions p+1..q (p < q): the edges p->p+1 and q->q+1 become
  // p->q and p+1->q+1.
  double Gain(int p, int q) const {
    const auto [ax, ay] = Out(p);
    const auto [bx, by] = In(p + 1);
    const auto [cx, cy] = Out(q);
    const auto [dx, dy] = In(q + 1);
    const double before = Distance(ax, ay, bx, by) + Distance(cx, cy, dx, dy);
    // Reversed, the object at q is entered where it used to be left, and the one at p + 1 left
    // where it used to be entered.
    const double after = Distance(ax, ay, cx, cy) + Distance(bx, by, dx, dy);
    return before - after;
  }

  void Reverse(int p, int q) {
    std::reverse(tour_.order.begin() + p, tour_.order.begin() + q);
    // std::vector<bool> has no iterator-friendly reverse of a sub-range with swap of proxies
    // that flips values too, so both steps are done by hand.
    for (int a = p, b = q - 1; a < b; ++a, --b) {
      const bool ra = tour_.reversed[static_cast<std::size_t>(a)];
      tour_.reversed[static_cast<std::size_t>(a)] = tour_.reversed[static_cast<std::size_t>(b)];
      tour_.reversed[static_cast<std::size_t>(b)] = ra;
    }
    for (int m = p; m < q; ++m) {
      tour_.reversed[static_cast<std::size_t>(m)] = !tour_.reversed[static_cast<std::size_t>(m)];
      position_[static_cast<std::size_t>(tour_.order[static_cast<std::size_t>(m)])] = m + 1;
    }
  }

 private:
  const std::vector<TourStop>& stops_;
  double ox_, oy_;
  Tour& tour_;
  int n_;
  std::vector<int> position_;
};

}  // namespace

double TourLength(const std::vector<TourStop>& stops, double origin_x, double origin_y, const Tour& tour) {
  double length = 0;
  double x = origin_x, y = origin_y;
  for (std::size_t p = 0; p < tour.order.size(); ++p) {
    const TourStop& s = stops[static_cast<std::size_t>(tour.order[p])];
    const bool backwards = p < tour.reversed.size() && tour.reversed[p];
    length += Distance(x, y, backwards ? s.exit_x : s.entry_x, backwards ? s.exit_y : s.entry_y);
    x = backwards ? s.entry_x : s.exit_x;
    y = backwards ? s.entry_y : s.exit_y;
  }
  return length + Distance(x, y, origin_x, origin_y);
}

Tour NearestNeighbourTour(const std::vector<TourStop>& stops, double origin_x, double origin_y) {
  Tour tour;
  std::vector<bool> taken(stops.size(), false);
  double x = origin_x, y = origin_y;
  for (std::size_t k = 0; k < stops.size(); ++k) {
    int best = -1;
    double best_distance = 0;
    for (std::size_t i = 0; i < stops.size(); ++i) {
      if (taken[i]) continue;
      const double d = Distance(x, y, stops[i].entry_x, stops[i].entry_y);
      if (best < 0 || d < best_distance) {
        best = static_cast<int>(i);
        best_distance = d;
      }
    }
    taken[static_cast<std::size_t>(best)] = true;
    tour.order.push_back(best);
    x = stops[static_cast<std::size_t>(best)].exit_x;
    y = stops[static_cast<std::size_t>(best)].exit_y;
  }
  tour.reversed.assign(tour.order.size(), false);
  return tour;
}

void ImproveTourTwoOpt(const std::vector<TourStop>& stops, double origin_x, double origin_y, Tour* tour) {
  tour->reversed.resize(tour->order.size(), false);
  if (tour->order.size() < 2) return;
  const std::vector<std::vector<int>> neighbours = NearestEntries(stops, kNeighbourCount);
  Cycle cycle(stops, origin_x, origin_y, tour);
  // Below this a gain is rounding noise; it keeps the passes from cycling.
  constexpr double kMinGain = 1e-7;
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    bool improved = false;
    for (int p = 0; p < cycle.Size(); ++p) {
      // Edge p -> p+1 against each edge q -> q+1 whose end q (or start q+1) lies near the
      // object at p (or p+1).
      const int here = cycle.StopAt(p);
      const int next = p + 1 < cycle.Size() ? cycle.StopAt(p + 1) : -1;
      for (int side = 0; side < 2; ++side) {
        const int stop = side == 0 ? here : next;
        if (stop < 0) continue;
        for (int other : neighbours[static_cast<std::size_t>(stop)]) {
          int q = cycle.PositionOf(other) - side;
          if (q < 0) continue;
          int a = std::min(p, q), b = std::max(p, q);
          if (b - a < 1 || b >= cycle.Size()) continue;
          if (cycle.Gain(a, b) > kMinGain) {
            cycle.Reverse(a, b);
            improved = true;
          }
        }
      }
    }
    if (!improved) break;
  }
}

}  // namespace pistora
