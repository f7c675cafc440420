#pragma once

#include <QImage>

#include "core/artwork/bitmap.h"

namespace pistora {

// The part of `bitmap` seen through a view of width x height pixels whose top-left corner
// is at (left, top) in the bitmap, unscaled; whatever lies outside the bitmap is white.
QImage ViewPicture(const Bitmap& bitmap, int left, int top, int width, int height);

}  // namespace pistora
