#include "gui/adapters/view_picture.h"

#include <algorithm>
#include <cstring>

namespace pistora {

QImage ViewPicture(const Bitmap& bitmap, int left, int top, int width, int height) {
  // The bitmap stores blue, green, red: the same byte order as Format_BGR888, so rows copy whole.
  QImage picture(width, height, QImage::Format_BGR888);
  picture.fill(Qt::white);
  const int x0 = std::max(left, 0);
  const int y0 = std::max(top, 0);
  const int x1 = std::min(left + width, bitmap.Width());
  const int y1 = std::min(top + height, bitmap.Height());
  if (x1 <= x0 || y1 <= y0) return picture;
  const std::size_t bytes = static_cast<std::size_t>(x1 - x0) * 3;
  for (int row = y0; row < y1; ++row) {
    std::memcpy(picture.scanLine(row - top) + 3 * (x0 - left), bitmap.Row(row) + 3 * x0, bytes);
  }
  return picture;
}

}  // namespace pistora
