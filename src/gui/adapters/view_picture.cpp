#include "gui/adapters/view_picture.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/artwork/view_geometry.h"

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

QImage ZoomedViewPicture(const Bitmap& bitmap, int left, int top, double scale, int width, int height) {
  if (scale == 1.0) return ViewPicture(bitmap, left, top, width, height);
  QImage picture(width, height, QImage::Format_BGR888);
  picture.fill(Qt::white);
  // The bitmap column of every screen column, once (-1: outside the bitmap).
  std::vector<int> columns(static_cast<std::size_t>(std::max(width, 0)));
  for (int x = 0; x < width; ++x) {
    const int column = BitmapPixelAt(x, left, scale);
    columns[static_cast<std::size_t>(x)] = column >= 0 && column < bitmap.Width() ? column : -1;
  }
  int last_row = -1;
  for (int y = 0; y < height; ++y) {
    const int row = BitmapPixelAt(y, top, scale);
    if (row < 0 || row >= bitmap.Height()) continue;
    unsigned char* out = picture.scanLine(y);
    if (row == last_row) {  // zoomed in: the line above shows the same bitmap row
      std::memcpy(out, picture.constScanLine(y - 1), static_cast<std::size_t>(width) * 3);
      continue;
    }
    last_row = row;
    const unsigned char* in = bitmap.Row(row);
    for (int x = 0; x < width; ++x) {
      const int column = columns[static_cast<std::size_t>(x)];
      if (column >= 0) std::memcpy(out + 3 * x, in + 3 * column, 3);
    }
  }
  return picture;
}

}  // namespace pistora
