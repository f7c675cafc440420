#pragma once

#include <string>

#include "core/artwork/extraction.h"
#include "core/artwork/threshold.h"
#include "core/artwork/workspace.h"
#include "core/text/status.h"

namespace pistora::cli {

// What the window holds after loading `artwork`, processing it with `settings` and validating
// the scale `pixel_mm` (millimetres per pixel): the artwork loaded, a white engraving bitmap of
// its size, ExtractContours run to its end, PixelSizeMm set. Settings outside their ranges, a
// pixel size that is not a positive number, or an artwork the loader refuses give a message and
// leave `ws` untouched. A picture with grey or colour pixels is first made black and white at
// `threshold_percent` (ThresholdArtwork), and `notice` (when given) receives a line saying so; a
// picture without any copper is refused.
Status AnalyseArtworkFile(const std::string& artwork, const ExtractionSettings& settings, double pixel_mm,
                          Workspace* ws, double threshold_percent = kDefaultThresholdPercent,
                          std::string* notice = nullptr);

// The same for a picture already in memory (a rendered Gerber layer); `name` names it in
// messages.
Status AnalyseArtworkBitmap(Bitmap artwork, const std::string& name, const ExtractionSettings& settings,
                            double pixel_mm, Workspace* ws, double threshold_percent = kDefaultThresholdPercent,
                            std::string* notice = nullptr);

}  // namespace pistora::cli
