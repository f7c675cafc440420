#pragma once

#include <string>

#include "core/artwork/extraction.h"
#include "core/artwork/workspace.h"
#include "core/text/status.h"

namespace pistora::cli {

// What the window holds after loading `artwork`, processing it with `settings` and validating
// the scale `pixel_mm` (millimetres per pixel): the artwork loaded, a white engraving bitmap of
// its size, ExtractContours run to its end, PixelSizeMm set. Settings outside their ranges, a
// pixel size that is not a positive number, or an artwork the loader refuses give a message and
// leave `ws` untouched.
Status AnalyseArtworkFile(const std::string& artwork, const ExtractionSettings& settings, double pixel_mm,
                          Workspace* ws);

}  // namespace pistora::cli
