#pragma once

#include <vector>

#include "core/artwork/bitmap.h"
#include "core/artwork/tool_paths.h"

namespace pistora {

// The pixel (column, row from the top) of a warning's place on a bitmap `height` pixels high,
// `pixel_mm` millimetres per pixel: program Y runs upwards from the bottom row.
struct GapPixel {
  int x = 0;
  int row = 0;
};
GapPixel GapWarningPixel(const GapWarning& warning, double pixel_mm, int height);

// Half side of the square drawn around each narrow gap, pixels.
inline constexpr int kGapMarkHalfSide = 6;

// Draws a red square outline around each warning's place (clipped to the bitmap), over whatever
// the engraving view shows, so that the narrow gaps stand out.
void MarkGapWarnings(Bitmap& bitmap, const std::vector<GapWarning>& warnings, double pixel_mm);

// The scroll position that puts `pixel` in the middle of a view `view_side` pixels wide, within
// 0..maximum.
int CentredScrollPosition(int pixel, int view_side, int maximum);

}  // namespace pistora
