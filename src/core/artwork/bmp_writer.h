#pragma once

#include <string>

#include "core/artwork/bitmap.h"
#include "core/text/status.h"

namespace pistora {

// The bytes of an uncompressed 24-bit Windows BMP of the bitmap: 14-byte file header, 40-byte
// information header, rows bottom-up, blue-green-red, each padded to a multiple of 4 bytes.
std::string EncodeBmp24(const Bitmap& bitmap);

// Writes EncodeBmp24(bitmap) to `path` atomically: on failure an existing file is untouched.
Status SaveBmp24(const std::string& path, const Bitmap& bitmap);

}  // namespace pistora
