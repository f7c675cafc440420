#include "core/artwork/copper_map.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/artwork/bands.h"

namespace pistora {

CopperMap::CopperMap(const Bitmap& artwork, bool with_distances, double max_distance_px)
    : width_(artwork.Width()), height_(artwork.Height()) {
  std::vector<std::uint8_t> line(static_cast<std::size_t>(width_));
  const ComponentRuns components = LabelRuns(width_, height_, [&](int row) {
    const std::uint8_t* p = artwork.Row(row);
    for (int x = 0; x < width_; ++x, p += 3) {
      // Blue first: black (0, 0, 0) or blue (255, 0, 0 in memory).
      const bool copper = p[1] == 0 && p[2] == 0 && (p[0] == 0 || p[0] == 255);
      line[static_cast<std::size_t>(x)] = copper ? 1 : 0;
      copper_pixels_ += copper ? 1 : 0;
    }
    return line.data();
  });
  island_ = LabelsOf(components, width_, height_);
  island_count_ = components.count;
  if (with_distances) TransformDistances(max_distance_px);
}

ComponentRuns LabelRuns(int width, int height, const RowMask& row_mask) {
  // Runs of each row joined (union-find) with the runs of the row above that touch them, corners
  // included; then the roots are numbered in scan order.
  ComponentRuns result;
  std::vector<ComponentRun>& runs = result.runs;
  // A few runs per row is the common case: grown from there without a copy per doubling.
  runs.reserve(static_cast<std::size_t>(height) * 16);
  std::vector<std::int32_t> parent;
  parent.reserve(static_cast<std::size_t>(height) * 4);
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
    const std::uint8_t* line = row_mask(row);
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
        const std::int32_t root = find(runs[j].component);
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
  std::vector<std::int32_t> number(parent.size(), 0);
  int n = 0;
  for (ComponentRun& r : runs) {
    const auto root = static_cast<std::size_t>(find(r.component));
    if (number[root] == 0) number[root] = ++n;
    r.component = number[root];
  }
  result.count = n;
  return result;
}

ComponentRuns LabelRuns(const std::vector<std::uint8_t>& mask, int width, int height) {
  return LabelRuns(width, height, [&](int row) {
    return mask.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(width);
  });
}

template <typename Label>
std::vector<Label> LabelsOfAs(const ComponentRuns& components, int width, int height) {
  std::vector<Label> labels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  // By bands of rows (the runs come row after row).
  const std::vector<ComponentRun>& runs = components.runs;
  ForEachBand(height, BandCount(), [&](int, int first_row, int end_row) {
    const auto row_less = [](const ComponentRun& r, int row) { return r.row < row; };
    auto it = std::lower_bound(runs.begin(), runs.end(), first_row, row_less);
    const auto end = std::lower_bound(it, runs.end(), end_row, row_less);
    for (; it != end; ++it) {
      Label* line = labels.data() + static_cast<std::size_t>(it->row) * static_cast<std::size_t>(width);
      std::fill(line + it->left, line + it->right + 1, static_cast<Label>(it->component));
    }
  });
  return labels;
}

template std::vector<std::int32_t> LabelsOfAs<std::int32_t>(const ComponentRuns&, int, int);
template std::vector<std::uint16_t> LabelsOfAs<std::uint16_t>(const ComponentRuns&, int, int);

std::vector<std::int32_t> LabelComponents(const std::vector<std::uint8_t>& mask, int width, int height, int* count) {
  const ComponentRuns components = LabelRuns(mask, width, height);
  *count = components.count;
  return LabelsOf(components, width, height);
}

// Exact Euclidean distance transform with the nearest site (Felzenszwalb and Huttenlocher): the
// nearest copper row in each column, then per row the lower envelope of the parabolas
// (x - q)^2 + g(q)^2. Linear in the number of pixels.
void CopperMap::TransformDistances(double max_distance_px) {
  // Every pixel is written by the first sweep: no filling beforehand.
  offset_.reset(new Offset[island_.size()]);
  if (copper_pixels_ == 0) {
    std::fill(offset_.get(), offset_.get() + island_.size(), Offset{kNone, kNone});
    return;
  }
  // First offset_[i].drow holds the column's nearest copper, then each row is replaced by the
  // nearest copper in the plane.
  // A column's copper farther than the bound cannot be the nearest copper of a pixel closer than
  // it: left out of the envelopes.
  const int bound = max_distance_px >= static_cast<double>(height_) ? height_
                                                                     : static_cast<int>(std::ceil(max_distance_px));
  // Nearest copper row in the pixel's own column, as an offset from the pixel's row (kNone when
  // there is none within the bound; above wins a tie). Columns go by bands, each band's sweeps
  // row by row to read memory in order.
  const int bands = BandCount();
  ForEachBand(width_, bands, [&](int, int x0, int x1) {
    constexpr int kNoRow = -1;
    std::vector<int> last(static_cast<std::size_t>(x1 - x0), kNoRow);
    for (int row = 0; row < height_; ++row) {
      const std::int32_t* island = island_.data() + IndexOf(x0, row);
      Offset* out = offset_.get() + IndexOf(x0, row);
      for (int x = 0; x < x1 - x0; ++x) {
        int& above = last[static_cast<std::size_t>(x)];
        if (island[x] != 0) above = row;
        out[x] = Offset{kNone, above != kNoRow && row - above <= bound ? static_cast<std::int16_t>(above - row) : kNone};
      }
    }
    std::fill(last.begin(), last.end(), kNoRow);
    // Going up, a pixel is copper exactly where the way down found copper at no distance.
    for (int row = height_ - 1; row >= 0; --row) {
      Offset* out = offset_.get() + IndexOf(x0, row);
      for (int x = 0; x < x1 - x0; ++x) {
        std::int16_t& g = out[x].drow;
        int& below = last[static_cast<std::size_t>(x)];
        if (g == 0) below = row;
        if (below == kNoRow || below - row > bound) continue;
        if (g == kNone || below - row < -g) g = static_cast<std::int16_t>(below - row);
      }
    }
  });
  // Per row, the lower envelope of the parabolas (x - q)^2 + g(q)^2 over the columns q that have
  // copper within the bound (Felzenszwalb and Huttenlocher): linear in the number of pixels.
  ForEachBand(height_, bands, [&](int, int first_row, int end_row) {
    std::vector<int> sites(static_cast<std::size_t>(width_));
    std::vector<std::int64_t> heights(static_cast<std::size_t>(width_));
    std::vector<double> bounds(static_cast<std::size_t>(width_) + 1);
    std::vector<std::int16_t> column_row(static_cast<std::size_t>(width_));
    for (int row = first_row; row < end_row; ++row) {
      Offset* out = offset_.get() + IndexOf(0, row);
      std::int16_t* g = column_row.data();
      for (int x = 0; x < width_; ++x) g[x] = out[x].drow;
      int count = 0;  // parabolas in the envelope
      for (int q = 0; q < width_; ++q) {
        if (g[q] == kNone) continue;
        const std::int64_t fq = std::int64_t{g[q]} * g[q];
        // Copper next to copper (most of a board's copper): the two meet at q - 0.5, where the
        // left one's own column already made it the lowest, so nothing is popped.
        if (fq == 0 && count > 0 && sites[count - 1] == q - 1 && heights[count - 1] == 0) {
          sites[count] = q;
          heights[count] = 0;
          bounds[count] = q - 0.5;
          ++count;
          continue;
        }
        double s = 0.0;
        while (count > 0) {
          const int p = sites[count - 1];
          s = (static_cast<double>(fq + std::int64_t{q} * q) -
               static_cast<double>(heights[count - 1] + std::int64_t{p} * p)) /
              (2.0 * (q - p));
          if (s > bounds[count - 1]) break;
          --count;
        }
        sites[count] = q;
        heights[count] = fq;
        bounds[count] = count == 0 ? -std::numeric_limits<double>::infinity() : s;
        ++count;
      }
      if (count == 0) continue;  // no copper within the bound
      // Parabola k is lowest from bounds[k] to bounds[k + 1]: the pixels x with bounds[k] <= x <
      // bounds[k + 1] take its site.
      bounds[count] = std::numeric_limits<double>::infinity();
      int x = 0;
      for (int k = 0; k < count && x < width_; ++k) {
        const int q = sites[k];
        const std::int16_t drow = g[q];
        const double end = bounds[k + 1];
        int stop = width_;
        if (end < static_cast<double>(width_)) {
          stop = static_cast<int>(end);  // towards zero, then up: the ceiling
          if (stop < end) ++stop;
        }
        for (; x < stop; ++x) out[x] = Offset{static_cast<std::int16_t>(q - x), drow};
      }
    }
  });
}

}  // namespace pistora
