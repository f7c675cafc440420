#pragma once

#include <QImage>

#include "core/artwork/bitmap.h"

namespace pistora {

// Copies between the core's 24-bit bitmap and Qt images (RGB888).
QImage ToQImage(const Bitmap& bitmap);
Bitmap FromQImage(const QImage& image);

}  // namespace pistora
