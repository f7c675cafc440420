#include "core/settings/loupe_outline.h"

#include <cstddef>

namespace pistora {

std::vector<OutlineRect> OutlineOfPicture(const std::vector<std::uint32_t>& pixels, int width, int height,
                                          bool black_see_through) {
  const auto outside = [black_see_through](std::uint32_t pixel) {
    const std::uint32_t colour = pixel & 0xFFFFFFu;
    return colour == kLoupeOutsideColour || (black_see_through && colour == kLoupeSeeThroughColour);
  };
  std::vector<OutlineRect> outline;
  if (width <= 0 || height <= 0) return outline;
  if (pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return outline;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    int x = 0;
    while (x < width) {
      if (outside(row[x])) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < width && !outside(row[x])) ++x;
      outline.push_back({start, y, x - start, 1});
    }
  }
  return outline;
}

LoupePoint DraggedWindowPosition(LoupePoint window, LoupePoint anchor, LoupePoint pointer) {
  return {window.x + pointer.x - anchor.x, window.y + pointer.y - anchor.y};
}

}  // namespace pistora
