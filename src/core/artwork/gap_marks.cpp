#include "core/artwork/gap_marks.h"

#include <algorithm>
#include <cmath>

namespace pistora {

GapPixel GapWarningPixel(const GapWarning& warning, double pixel_mm, int height) {
  return GapPixel{static_cast<int>(std::lround(warning.x_mm / pixel_mm)),
                  height - static_cast<int>(std::lround(warning.y_mm / pixel_mm))};
}

void MarkGapWarnings(Bitmap& bitmap, const std::vector<GapWarning>& warnings, double pixel_mm) {
  if (!(pixel_mm > 0.0)) return;
  const auto put = [&bitmap](int x, int row) {
    if (x >= 0 && row >= 0 && x < bitmap.Width() && row < bitmap.Height()) bitmap.Set(x, row, kRed);
  };
  for (const GapWarning& warning : warnings) {
    const GapPixel centre = GapWarningPixel(warning, pixel_mm, bitmap.Height());
    for (int d = -kGapMarkHalfSide; d <= kGapMarkHalfSide; ++d) {
      put(centre.x + d, centre.row - kGapMarkHalfSide);
      put(centre.x + d, centre.row + kGapMarkHalfSide);
      put(centre.x - kGapMarkHalfSide, centre.row + d);
      put(centre.x + kGapMarkHalfSide, centre.row + d);
    }
  }
}

int CentredScrollPosition(int pixel, int view_side, int maximum) {
  return std::clamp(pixel - view_side / 2, 0, std::max(0, maximum));
}

}  // namespace pistora
