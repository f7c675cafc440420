#pragma once

#include <string>
#include <vector>

#include "core/artwork/bitmap.h"
#include "core/artwork/contour.h"

namespace pistora {

// The main window's working state: the two bitmaps, the contour table, the scale and the
// stop flag. The window owns one; the command line and the tests make their own.
struct Workspace {
  Bitmap ArtworkBitmap;    // the loaded artwork, painted by the analysis
  Bitmap EngravingBitmap;  // outlines, contours and drill marks
  ContourTable Table;
  double PixelSizeMm = 0.0;  // millimetres per pixel, 0 until measured or loaded
  bool StopRequest = false;  // set by "&Stop !", polled by every long loop
  int SelectedContour = 0;
  int OrderedCount = 0;  // highest job position handed out by the last ordering
  // Hidden diagnostic lines. Contour log: the text of each stored trace, then the job position
  // each contour received. Run log: the processing's elapsed milliseconds and the contours
  // smoothed.
  std::vector<std::string> ContourLog;
  std::vector<std::string> RunLog;
};

}  // namespace pistora
