#include "core/artwork/copper_map.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace pistora {

CopperMap::CopperMap(const Bitmap& artwork, bool with_distances, double max_distance_px)
    : width_(artwork.Width()), height_(artwork.Height()) {
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(width_) * height_, 0);
  for (int row = 0; row < height_; ++row) {
    const std::uint8_t* p = artwork.Row(row);
    for (int x = 0; x < width_; ++x, p += 3) {
      // Blue first: black (0, 0, 0) or blue (255, 0, 0 in memory).
      if (p[1] == 0 && p[2] == 0 && (p[0] == 0 || p[0] == 255)) {
        mask[IndexOf(x, row)] = 1;
        ++copper_pixels_;
      }
    }
  }
  island_ = LabelComponents(mask, width_, height_, &island_count_);
  nearest_.assign(island_.size(), -1);
  if (with_distances) TransformDistances(max_distance_px);
}

std::int64_t CopperMap::SquaredDistance(std::size_t i) const {
  if (nearest_[i] < 0) return std::numeric_limits<std::int64_t>::max() / 4;
  const auto n = static_cast<std::size_t>(nearest_[i]);
  const std::int64_t dx = static_cast<std::int64_t>(i % width_) - static_cast<std::int64_t>(n % width_);
  const std::int64_t dy = static_cast<std::int64_t>(i / width_) - static_cast<std::int64_t>(n / width_);
  return dx * dx + dy * dy;
}

std::vector<std::int32_t> LabelComponents(const std::vector<std::uint8_t>& mask, int width, int height, int* count) {
  // Runs of each row joined (union-find) with the runs of the row above that touch them, corners
  // included; a second pass numbers the roots in scan order and fills the runs.
  struct Run {
    int row;
    int left;
    int right;  // inclusive
    std::int32_t label;
  };
  std::vector<Run> runs;
  std::vector<std::int32_t> parent;
  auto find = [&parent](std::int32_t a) {
    while (parent[static_cast<std::size_t>(a)] != a) {
      parent[static_cast<std::size_t>(a)] = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(a)])];
      a = parent[static_cast<std::size_t>(a)];
    }
    return a;
  };
  std::size_t above_begin = 0;  // runs of the previous row: [above_begin, above_end)
  std::size_t above_end = 0;
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* line = mask.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(width);
    const std::size_t row_begin = runs.size();
    std::size_t k = above_begin;
    for (int x = 0; x < width;) {
      if (!line[x]) {
        ++x;
        continue;
      }
      const int left = x;
      while (x < width && line[x]) ++x;
      const int right = x - 1;
      std::int32_t label = -1;
      while (k < above_end && runs[k].right < left - 1) ++k;
      for (std::size_t j = k; j < above_end && runs[j].left <= right + 1; ++j) {
        const std::int32_t root = find(runs[j].label);
        if (label < 0) {
          label = root;
        } else if (root != label) {
          parent[static_cast<std::size_t>(std::max(root, label))] = std::min(root, label);
          label = std::min(root, label);
        }
      }
      if (label < 0) {
        label = static_cast<std::int32_t>(parent.size());
        parent.push_back(label);
      }
      runs.push_back({row, left, right, label});
    }
    above_begin = row_begin;
    above_end = runs.size();
  }
  std::vector<std::int32_t> labels(mask.size(), 0);
  std::vector<std::int32_t> number(parent.size(), 0);
  int n = 0;
  for (const Run& r : runs) {
    const auto root = static_cast<std::size_t>(find(r.label));
    if (number[root] == 0) number[root] = ++n;
    const std::size_t base = static_cast<std::size_t>(r.row) * static_cast<std::size_t>(width);
    std::fill(labels.begin() + static_cast<std::ptrdiff_t>(base + static_cast<std::size_t>(r.left)),
              labels.begin() + static_cast<std::ptrdiff_t>(base + static_cast<std::size_t>(r.right) + 1), number[root]);
  }
  *count = n;
  return labels;
}

// Exact Euclidean distance transform with the nearest site (Felzenszwalb and Huttenlocher): the
// nearest copper row in each column, then per row the lower envelope of the parabolas
// (x - q)^2 + g(q)^2. Linear in the number of pixels.
void CopperMap::TransformDistances(double max_distance_px) {
  if (copper_pixels_ == 0) return;
  constexpr int kNone = -1;
  // A column's copper farther than the bound cannot be the nearest copper of a pixel closer than
  // it: left out of the envelopes.
  const long bound = max_distance_px >= static_cast<double>(height_) ? long{height_}
                                                                      : static_cast<long>(std::ceil(max_distance_px));
  // Nearest copper row in the pixel's own column, kNone when the column has no copper; both
  // sweeps go row by row, all columns at once, to read memory in order.
  std::vector<int> column_nearest(island_.size(), kNone);
  std::vector<int> last(static_cast<std::size_t>(width_), kNone);
  for (int row = 0; row < height_; ++row) {
    for (int x = 0; x < width_; ++x) {
      if (island_[IndexOf(x, row)] != 0) last[static_cast<std::size_t>(x)] = row;
      column_nearest[IndexOf(x, row)] = last[static_cast<std::size_t>(x)];
    }
  }
  std::fill(last.begin(), last.end(), kNone);
  for (int row = height_ - 1; row >= 0; --row) {
    for (int x = 0; x < width_; ++x) {
      int& below = last[static_cast<std::size_t>(x)];
      if (island_[IndexOf(x, row)] != 0) below = row;
      int& best = column_nearest[IndexOf(x, row)];
      if (below != kNone && (best == kNone || below - row < row - best)) best = below;
      if (best != kNone && std::abs(best - row) > bound) best = kNone;
    }
  }
  std::vector<int> sites(static_cast<std::size_t>(width_));
  std::vector<std::int64_t> heights(static_cast<std::size_t>(width_));
  std::vector<double> bounds(static_cast<std::size_t>(width_) + 1);
  for (int row = 0; row < height_; ++row) {
    int count = 0;  // parabolas in the envelope
    auto height_of = [&](int q) {
      const std::int64_t g = row - column_nearest[IndexOf(q, row)];
      return g * g;
    };
    for (int q = 0; q < width_; ++q) {
      if (column_nearest[IndexOf(q, row)] == kNone) continue;
      const std::int64_t fq = height_of(q);
      double s = 0.0;
      while (count > 0) {
        const int p = sites[count - 1];
        s = (static_cast<double>(fq + std::int64_t{q} * q) - static_cast<double>(heights[count - 1] + std::int64_t{p} * p)) /
            (2.0 * (q - p));
        if (s > bounds[count - 1]) break;
        --count;
      }
      sites[count] = q;
      heights[count] = fq;
      bounds[count] = count == 0 ? -std::numeric_limits<double>::infinity() : s;
      ++count;
    }
    if (count == 0) continue;  // no copper within the bound: nearest stays -1
    int k = 0;
    for (int x = 0; x < width_; ++x) {
      while (k + 1 < count && bounds[k + 1] <= x) ++k;
      const int q = sites[k];
      nearest_[IndexOf(x, row)] = static_cast<std::int32_t>(IndexOf(q, column_nearest[IndexOf(q, row)]));
    }
  }
}

}  // namespace pistora
