#pragma once

#include <optional>
#include <string>

#include "core/artwork/bitmap.h"
#include "core/text/status.h"
#include "image/picture_resolution.h"

namespace pistora {

// The most pixels a picture may have to be decoded at all (16384 x 16384).
inline constexpr long long kMaxDecodedArtworkPixels = 1LL << 28;

// True when the lower-cased file name contains ".gif" anywhere (what the file dialogs offer;
// the loader itself goes by the content).
bool IsGifName(const std::string& path);

// Reads an artwork picture into a 24-bit bitmap. The type comes from the content ("BM": BMP,
// "GIF8": GIF, else any format a Qt image plugin recognises: PNG, TIFF, JPEG, ...), never from
// the name; a damaged picture (CheckPictureStructure) is refused with
// what is wrong.
//  - BMP (1, 4, 8, 24 or 32 bits per pixel): every pixel keeps its colour; only exact black
//    and exact white take part in the analysis.
//  - every other format: as BMP, colours kept;
//  - GIF: every pixel becomes exact black or exact white: black when its brightness
//    (0.299 R + 0.587 G + 0.114 B) is below 128, white otherwise; transparent pixels are white.
// A picture larger than kMaxImageSide on a side, or of more than kMaxDecodedArtworkPixels
// pixels, is refused before it is decoded. On failure
// `bitmap` is untouched and the status carries the reader's message.
Status LoadArtwork(const std::string& path, Bitmap* bitmap);
// The same, and `resolution` receives what the file's header states (ReadStatedResolution).
Status LoadArtwork(const std::string& path, Bitmap* bitmap, std::optional<StatedResolution>* resolution);

}  // namespace pistora
