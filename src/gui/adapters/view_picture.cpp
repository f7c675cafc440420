#include "gui/adapters/view_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

namespace {

bool IsWhite(const std::uint8_t* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }

// Zoomed out, one screen pixel covers a block of bitmap pixels: it shows the pixel under its
// centre, or when that one is white the first other pixel of the block that is not, so that a
// track thinner than the block stays seen.
QImage ZoomedOutPicture(const Bitmap& bitmap, int left, int top, double scale, int width, int height) {
  QImage picture(width, height, QImage::Format_BGR888);
  picture.fill(Qt::white);
  const auto span = [scale](int screen, int origin, int side, int& first, int& centre, int& end) {
    first = std::max(0, origin + static_cast<int>(std::floor(screen / scale)));
    end = std::min(side, origin + static_cast<int>(std::floor((screen + 1) / scale)));
    centre = BitmapPixelAt(screen, origin, scale);
  };
  struct Block {
    int first, centre, end;
  };
  std::vector<Block> columns(static_cast<std::size_t>(std::max(width, 0)));
  int widest = 0;
  for (int x = 0; x < width; ++x) {
    Block& b = columns[static_cast<std::size_t>(x)];
    span(x, left, bitmap.Width(), b.first, b.centre, b.end);
    widest = std::max(widest, b.end - b.first);
  }
  const std::vector<std::uint8_t> white(3 * static_cast<std::size_t>(widest) + 3, 255);
  for (int y = 0; y < height; ++y) {
    Block rows{};
    span(y, top, bitmap.Height(), rows.first, rows.centre, rows.end);
    if (rows.centre < 0 || rows.centre >= bitmap.Height()) continue;
    unsigned char* out = picture.scanLine(y);
    const std::uint8_t* centre_row = bitmap.Row(rows.centre);
    for (int x = 0; x < width; ++x) {
      const Block& c = columns[static_cast<std::size_t>(x)];
      if (c.centre < 0 || c.centre >= bitmap.Width()) continue;
      const std::uint8_t* shown = centre_row + 3 * c.centre;
      for (int row = rows.first; IsWhite(shown) && row < rows.end; ++row) {
        const std::uint8_t* line = bitmap.Row(row);
        // Most of a board is white: a whole white run is passed over in one comparison.
        if (std::memcmp(line + 3 * c.first, white.data(), 3 * static_cast<std::size_t>(c.end - c.first)) == 0) continue;
        for (int column = c.first; column < c.end; ++column) {
          if (!IsWhite(line + 3 * column)) {
            shown = line + 3 * column;
            break;
          }
        }
      }
      std::memcpy(out + 3 * x, shown, 3);
    }
  }
  return picture;
}

}  // namespace

QImage ZoomedViewPicture(const Bitmap& bitmap, int left, int top, double scale, int width, int height) {
  if (scale == 1.0) return ViewPicture(bitmap, left, top, width, height);
  if (scale < 1.0) return ZoomedOutPicture(bitmap, left, top, scale, width, height);
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
