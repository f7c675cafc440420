#pragma once

#include <QImage>

#include "core/artwork/bitmap.h"

namespace pistora {

// A Qt image as the core's 24-bit bitmap.
Bitmap FromQImage(const QImage& image);

}  // namespace pistora
