#include "core/artwork/view_geometry.h"

#include <cmath>

namespace pistora {

int ScrollMaximum(int bitmap_side, int view_side) {
  const int excess = bitmap_side - view_side - 1;
  return excess > 0 ? excess : 1;
}

int ScrollMaximumAt(int bitmap_side, int view_side, double scale) {
  // The small margin keeps a covered span of exactly n pixels from rounding up to n + 1.
  const int covered = static_cast<int>(std::ceil(view_side / scale - 1e-9));
  return ScrollMaximum(bitmap_side, covered);
}

int BitmapPixelAt(int screen, int origin, double scale) {
  return origin + static_cast<int>(std::floor((screen + 0.5) / scale));
}

int ZoomedScrollPosition(int origin, int screen, double old_scale, double new_scale, int maximum) {
  const double fixed = origin + (screen + 0.5) / old_scale;
  return ClampScroll(static_cast<int>(std::lround(fixed - (screen + 0.5) / new_scale)), maximum);
}

int ClampScroll(int position, int maximum) {
  if (position > maximum) position = maximum;
  return position < 0 ? 0 : position;
}

int PanPosition(int current, int pointer, int remembered, int maximum) {
  return ClampScroll(current - (pointer - remembered), maximum);
}

}  // namespace pistora
