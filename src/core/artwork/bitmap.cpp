#include "core/artwork/bitmap.h"

#include <algorithm>

namespace pistora {

Bitmap::Bitmap(int width, int height, Rgb fill) { Resize(width, height, fill); }

void Bitmap::Resize(int width, int height, Rgb fill) {
  width_ = width > 0 ? width : 0;
  height_ = height > 0 ? height : 0;
  const bool grey = fill.r == fill.g && fill.g == fill.b;
  data_.assign(static_cast<std::size_t>(width_) * height_ * 3, grey ? fill.r : 0);
  if (!grey) Fill(fill);
}

void Bitmap::Fill(Rgb c) {
  // White and black (and any grey) are one byte value repeated: a plain byte fill.
  if (c.r == c.g && c.g == c.b) {
    std::fill(data_.begin(), data_.end(), c.r);
    return;
  }
  for (std::size_t i = 0; i + 2 < data_.size(); i += 3) {
    data_[i] = c.b;
    data_[i + 1] = c.g;
    data_[i + 2] = c.r;
  }
}

}  // namespace pistora
