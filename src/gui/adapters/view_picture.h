#pragma once

#include <QImage>

#include "core/artwork/bitmap.h"

namespace pistora {

// The part of `bitmap` seen through a view of width x height pixels whose top-left corner
// is at (left, top) in the bitmap, unscaled; whatever lies outside the bitmap is white.
QImage ViewPicture(const Bitmap& bitmap, int left, int top, int width, int height);

// The same at `scale` screen pixels per bitmap pixel: screen pixel (x, y) shows bitmap pixel
// (BitmapPixelAt(x, left, scale), BitmapPixelAt(y, top, scale)), so what is drawn and what a
// click maps to agree at every zoom; zoomed out (scale < 1), where that pixel is white, the first
// pixel of the block the screen pixel covers that is not white shows instead (thin tracks stay
// seen). At scale 1 it is ViewPicture.
QImage ZoomedViewPicture(const Bitmap& bitmap, int left, int top, double scale, int width, int height);

}  // namespace pistora
