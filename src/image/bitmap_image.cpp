#include "image/bitmap_image.h"

#include <cstring>

namespace pistora {

Bitmap FromQImage(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB888);
  Bitmap bitmap(image.width(), image.height(), kWhite);
  for (int row = 0; row < image.height(); ++row) {
    const uchar* src = image.constScanLine(row);
    std::uint8_t* dst = bitmap.Row(row);
    for (int x = 0; x < image.width(); ++x) {
      dst[3 * x] = src[3 * x + 2];
      dst[3 * x + 1] = src[3 * x + 1];
      dst[3 * x + 2] = src[3 * x];
    }
  }
  return bitmap;
}

}  // namespace pistora
