#pragma once

#include <string>

#include "core/artwork/bitmap.h"

namespace pistora {

inline constexpr double kDefaultThresholdPercent = 50.0;

// Makes a picture with grey or colour pixels black and white: a pixel darker than `percent` of
// full brightness (0.299 R + 0.587 G + 0.114 B) becomes copper (black), any other board (white).
// A picture that is already only exact black and exact white is left as it is. Returns the
// number of pixels that were neither black nor white.
long ThresholdArtwork(Bitmap& bitmap, double percent = kDefaultThresholdPercent);

// True when some pixel is exact black.
bool HasCopper(const Bitmap& bitmap);

// What the user is told about the picture `name` (a path or file name): that its `others` grey or
// colour pixels were made black and white at `percent`, and that a picture without copper is refused.
std::string ThresholdNotice(const std::string& name, long others, double percent);
std::string NoCopperMessage(const std::string& name);

}  // namespace pistora
