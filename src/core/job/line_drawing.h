#pragma once

#include "core/artwork/bitmap.h"

namespace pistora {

// Sets the pixels of the straight line from (x0, row0) to (x1, row1), both ends included,
// in bitmap coordinates: one pixel per step along the longer axis, the other coordinate
// rounded to nearest (halves away from the start), as Bresenham's algorithm draws it.
// Pixels outside the bitmap are skipped; only the part of the line that crosses the
// bitmap is walked, so far-away ends cost nothing.
void DrawLine(Bitmap& bitmap, int x0, int row0, int x1, int row1, Rgb colour);

}  // namespace pistora
