#pragma once

#include <vector>

#include "core/artwork/bitmap.h"

namespace pistora {

// A rectangle of window pixels: left and top included, right and bottom excluded.
struct OutlineRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const OutlineRect&, const OutlineRect&) = default;
};

// The outline of a shaped window cut from its picture: pure red is outside, every other colour
// inside. Row by row, top to bottom, each maximal run of non-red pixels from x0 to x1 gives the
// rectangle (x0, row)–(x1 + 1, row + 1); the window's outline is the union of them all. A
// picture without a non-red pixel gives none.
std::vector<OutlineRect> ShapeOutline(const Bitmap& picture);

}  // namespace pistora
