#pragma once

#include <optional>

#include "core/artwork/bitmap.h"
#include "core/artwork/scale.h"

namespace pistora {

// Neighbourhood operations of the artwork transformations, on bitmap coordinates (column x,
// row 0 at the top). The eight neighbours are taken in the order (x-1, r-1), (x, r-1),
// (x+1, r-1), (x-1, r), (x+1, r), (x-1, r+1), (x, r+1), (x+1, r+1). A neighbour outside the
// bitmap has no colour.

// False when x or row is 0 (or less); otherwise whether any neighbour has colour c.
bool HasNeighbour(const Bitmap& bitmap, int x, int row, Rgb c);

// 0 when x or row is 0 (or less); otherwise the number of neighbours of colour c.
int CountNeighbours(const Bitmap& bitmap, int x, int row, Rgb c);

// When some neighbour of p has colour c, moves p to the LAST such neighbour in the order above
// and returns true; otherwise leaves p and returns false. With `inner_only`, neighbours on the
// one-pixel frame of the bitmap are not taken.
bool StepToNeighbour(const Bitmap& bitmap, PixelPoint& p, Rgb c, bool inner_only = false);

// Calls visit(point) for each pixel of the digital straight line from a to b, a excluded and b
// included, until visit returns false. Bresenham's integer walk: the longer axis (x when
// |dx| >= |dy|) moves by one at every step, the other one when the error term is positive;
// the error starts at 2 short - long, gains 2 short per step and loses 2 long when the short
// coordinate moves. The same walk serves all directions.
template <typename Visit>
void WalkLine(PixelPoint a, PixelPoint b, Visit&& visit) {
  const int dx = b.x - a.x;
  const int dy = b.row - a.row;
  const int sx = dx > 0 ? 1 : dx < 0 ? -1 : 0;
  const int sy = dy > 0 ? 1 : dy < 0 ? -1 : 0;
  const int ax = dx < 0 ? -dx : dx;
  const int ay = dy < 0 ? -dy : dy;
  const bool x_long = ax >= ay;
  const int long_len = x_long ? ax : ay;
  const int short_len = x_long ? ay : ax;
  int error = 2 * short_len - long_len;
  PixelPoint p = a;
  for (int i = 0; i < long_len; ++i) {
    if (x_long) {
      p.x += sx;
      if (error > 0) {
        p.row += sy;
        error -= 2 * long_len;
      }
    } else {
      p.row += sy;
      if (error > 0) {
        p.x += sx;
        error -= 2 * long_len;
      }
    }
    error += 2 * short_len;
    if (!visit(p)) return;
  }
}

// True when no pixel of WalkLine(a, b) is black (a itself is not tested).
bool LineClear(const Bitmap& bitmap, PixelPoint a, PixelPoint b);

// The nearest white pixel that p can see: a square spiral around p (1 step left, 1 up, 2 right,
// 2 down, 3 left, 3 up, ...; up is towards row 0) tests every visited pixel inside the bitmap,
// and a white pixel t with LineClear(p, t) is a hit. The search stops at the end of the first
// pair of legs of equal length that met a hit; the last hit of that pair wins. nullopt once the
// spiral has covered the whole bitmap without a hit.
std::optional<PixelPoint> NearestReachableWhite(const Bitmap& bitmap, PixelPoint p);

}  // namespace pistora
