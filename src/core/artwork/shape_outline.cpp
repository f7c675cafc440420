#include "core/artwork/shape_outline.h"

namespace pistora {

std::vector<OutlineRect> ShapeOutline(const Bitmap& picture) {
  std::vector<OutlineRect> rects;
  for (int row = 0; row < picture.Height(); ++row) {
    int x = 0;
    while (x < picture.Width()) {
      if (picture.Is(x, row, kRed)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < picture.Width() && !picture.Is(x, row, kRed)) ++x;
      rects.push_back({start, row, x, row + 1});
    }
  }
  return rects;
}

}  // namespace pistora
