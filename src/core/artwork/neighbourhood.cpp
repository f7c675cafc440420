#include "core/artwork/neighbourhood.h"

#include <algorithm>

namespace pistora {
namespace {

constexpr int kOffsetX[8] = {-1, 0, 1, -1, 1, -1, 0, 1};
constexpr int kOffsetRow[8] = {-1, -1, -1, 0, 0, 1, 1, 1};

bool NeighbourIs(const Bitmap& bitmap, int x, int row, int n, Rgb c) {
  const int nx = x + kOffsetX[n];
  const int nrow = row + kOffsetRow[n];
  return bitmap.Contains(nx, nrow) && bitmap.Is(nx, nrow, c);
}

}  // namespace

bool HasNeighbour(const Bitmap& bitmap, int x, int row, Rgb c) {
  if (x <= 0 || row <= 0) return false;
  for (int n = 0; n < 8; ++n) {
    if (NeighbourIs(bitmap, x, row, n, c)) return true;
  }
  return false;
}

int CountNeighbours(const Bitmap& bitmap, int x, int row, Rgb c) {
  if (x <= 0 || row <= 0) return 0;
  int count = 0;
  for (int n = 0; n < 8; ++n) count += NeighbourIs(bitmap, x, row, n, c) ? 1 : 0;
  return count;
}

bool StepToNeighbour(const Bitmap& bitmap, PixelPoint& p, Rgb c, bool inner_only) {
  for (int n = 7; n >= 0; --n) {
    const int nx = p.x + kOffsetX[n];
    const int nrow = p.row + kOffsetRow[n];
    if (inner_only && (nx <= 0 || nrow <= 0 || nx >= bitmap.Width() - 1 || nrow >= bitmap.Height() - 1)) continue;
    if (NeighbourIs(bitmap, p.x, p.row, n, c)) {
      p.x += kOffsetX[n];
      p.row += kOffsetRow[n];
      return true;
    }
  }
  return false;
}

bool LineClear(const Bitmap& bitmap, PixelPoint a, PixelPoint b) {
  bool clear = true;
  WalkLine(a, b, [&](PixelPoint p) {
    if (bitmap.Contains(p.x, p.row) && bitmap.Is(p.x, p.row, kBlack)) clear = false;
    return clear;
  });
  return clear;
}

std::optional<PixelPoint> NearestReachableWhite(const Bitmap& bitmap, PixelPoint p) {
  if (bitmap.Empty()) return std::nullopt;
  // Once the legs are longer than this, the spiral has visited every pixel of the bitmap.
  const int reach = std::max({p.x, bitmap.Width() - 1 - p.x, p.row, bitmap.Height() - 1 - p.row});
  const int last_pair = 2 * reach + 2;

  PixelPoint at = p;
  auto visit = [&](std::optional<PixelPoint>& hit) {
    if (bitmap.Contains(at.x, at.row) && bitmap.Is(at.x, at.row, kWhite) && LineClear(bitmap, p, at)) hit = at;
  };
  // Walks one leg of `length` steps; only the steps that fall inside the bitmap are visited.
  auto leg = [&](int length, int dx, int drow, std::optional<PixelPoint>& hit) {
    const bool horizontal = dx != 0;
    const int fixed = horizontal ? at.row : at.x;
    const int limit = horizontal ? bitmap.Height() : bitmap.Width();
    const int origin = horizontal ? at.x : at.row;
    const int dir = horizontal ? dx : drow;
    const int span = horizontal ? bitmap.Width() : bitmap.Height();
    if (fixed >= 0 && fixed < limit) {
      // Steps s in [1, length] with 0 <= origin + dir * s < span.
      int first = 1;
      int last = length;
      if (dir > 0) {
        first = std::max(first, -origin);
        last = std::min(last, span - 1 - origin);
      } else {
        first = std::max(first, origin - (span - 1));
        last = std::min(last, origin);
      }
      for (int s = first; s <= last; ++s) {
        (horizontal ? at.x : at.row) = origin + dir * s;
        visit(hit);
      }
    }
    (horizontal ? at.x : at.row) = origin + dir * length;
  };

  for (int pair = 1; pair <= last_pair; ++pair) {
    std::optional<PixelPoint> hit;
    if (pair % 2 == 1) {
      leg(pair, -1, 0, hit);  // left
      leg(pair, 0, -1, hit);  // up
    } else {
      leg(pair, 1, 0, hit);  // right
      leg(pair, 0, 1, hit);  // down
    }
    if (hit) return hit;
  }
  return std::nullopt;
}

}  // namespace pistora
