#pragma once

#include <string>
#include <string_view>

#include "core/text/status.h"

namespace pistora {

// What a picture file is, told by its first bytes ("BM", "GIF8"), never by its name.
enum class PictureKind { kBmp, kGif, kUnknown };
PictureKind PictureKindOf(std::string_view bytes);

// Checks that a picture's bytes hold all that its headers announce, before any decoder fills a
// gap with white or copper. Refused, with what is wrong in words (no file name):
//  - BMP: a header cut short, the pixel data offset beyond the end of the file, uncompressed
//    pixel data shorter than width x height need, an RLE4/RLE8 stream that writes beyond its
//    row or picture or ends before its last row, a palette index beyond the palette's colours;
//  - GIF: a header, colour table or block cut short, an unknown block, no image, no trailer.
// Compressions the decoder itself refuses (JPEG, PNG inside a BMP) are left to it.
Status CheckPictureStructure(std::string_view bytes);

// A JPEG's decoder reads a file cut short as grey without a word: refused when no end-of-image
// marker (FF D9) follows the first scan (entropy-coded data never holds one).
Status CheckJpegEnd(std::string_view bytes);

}  // namespace pistora
