#include "core/artwork/copper_map.h"

#include <limits>

namespace pistora {

CopperMap::CopperMap(const Bitmap& artwork)
    : width_(artwork.Width()),
      height_(artwork.Height()),
      island_(static_cast<std::size_t>(width_) * height_, 0),
      nearest_(island_.size(), -1) {
  for (int row = 0; row < height_; ++row) {
    for (int x = 0; x < width_; ++x) {
      if (IsCopperColour(artwork.At(x, row))) {
        island_[IndexOf(x, row)] = -1;  // copper not yet labelled
        ++copper_pixels_;
      }
    }
  }
  LabelIslands();
  TransformDistances();
}

std::int64_t CopperMap::SquaredDistance(std::size_t i) const {
  if (nearest_[i] < 0) return std::numeric_limits<std::int64_t>::max() / 4;
  const auto n = static_cast<std::size_t>(nearest_[i]);
  const std::int64_t dx = static_cast<std::int64_t>(i % width_) - static_cast<std::int64_t>(n % width_);
  const std::int64_t dy = static_cast<std::int64_t>(i / width_) - static_cast<std::int64_t>(n / width_);
  return dx * dx + dy * dy;
}

void CopperMap::LabelIslands() {
  std::vector<std::size_t> stack;
  for (std::size_t seed = 0; seed < island_.size(); ++seed) {
    if (island_[seed] != -1) continue;
    const std::int32_t label = ++island_count_;
    island_[seed] = label;
    stack.push_back(seed);
    while (!stack.empty()) {
      const std::size_t i = stack.back();
      stack.pop_back();
      const int x = static_cast<int>(i % width_);
      const int row = static_cast<int>(i / width_);
      for (int nr = row - 1; nr <= row + 1; ++nr) {
        if (nr < 0 || nr >= height_) continue;
        for (int nx = x - 1; nx <= x + 1; ++nx) {
          if (nx < 0 || nx >= width_) continue;
          const std::size_t n = IndexOf(nx, nr);
          if (island_[n] == -1) {
            island_[n] = label;
            stack.push_back(n);
          }
        }
      }
    }
  }
}

// Exact Euclidean distance transform with the nearest site (Felzenszwalb and Huttenlocher): the
// nearest copper row in each column, then per row the lower envelope of the parabolas
// (x - q)^2 + g(q)^2. Linear in the number of pixels.
void CopperMap::TransformDistances() {
  if (copper_pixels_ == 0) return;
  constexpr int kNone = -1;
  // Nearest copper row in the pixel's own column, kNone when the column has no copper.
  std::vector<int> column_nearest(island_.size(), kNone);
  for (int x = 0; x < width_; ++x) {
    int last = kNone;
    for (int row = 0; row < height_; ++row) {
      if (island_[IndexOf(x, row)] != 0) last = row;
      column_nearest[IndexOf(x, row)] = last;
    }
    last = kNone;
    for (int row = height_ - 1; row >= 0; --row) {
      if (island_[IndexOf(x, row)] != 0) last = row;
      int& best = column_nearest[IndexOf(x, row)];
      if (last != kNone && (best == kNone || last - row < row - best)) best = last;
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
    int k = 0;
    for (int x = 0; x < width_; ++x) {
      while (k + 1 < count && bounds[k + 1] <= x) ++k;
      const int q = sites[k];
      nearest_[IndexOf(x, row)] = static_cast<std::int32_t>(IndexOf(q, column_nearest[IndexOf(q, row)]));
    }
  }
}

}  // namespace pistora
