#pragma once

#include <string>
#include <vector>

#include "core/artwork/workspace.h"
#include "core/job/excellon.h"
#include "core/text/status.h"

namespace pistora {

// Where a rendered board picture lies on the board: the board point (mm, the drawing's own
// origin, y upwards) of the picture's lower-left corner (the outer corner of its bottom-left
// pixel), the size of a pixel, the picture's size, and whether it was turned left to right
// after rendering (a bottom layer milled from above).
struct PictureFrame {
  double origin_x_mm = 0.0;
  double origin_y_mm = 0.0;
  double pixel_mm = 0.0;
  int width = 0;
  int height = 0;
  bool mirrored = false;
};

// The pixel of path coordinates (x = column, y = height - row) whose centre is nearest to a
// board point: within half a pixel on each axis for a point on the picture.
struct PathPixel {
  int x = 0;
  int y = 0;
};
PathPixel BoardToPath(const PictureFrame& frame, double x_mm, double y_mm);

// The path text of a hole taken from a drill file: it keeps the hole's exact diameter, so that
// the engraving file gives it back ("(x;y)TROU 0.800000 mm").
std::string DrillFileHolePath(int x, int y, double diameter_mm);

// Opens each hole in a board picture as the drill will: a white disc of its diameter, centred on
// its pixel (as a picture of a drilled board shows it), so that the pads are rings as in a drawn
// artwork and the check finds no hole landing on copper.
void OpenDrillHoles(Bitmap& picture, const std::vector<DrillHole>& holes, const PictureFrame& frame);

// What PlaceDrillHoles did: holes placed, pads of the picture dropped, and one French line per
// hole that lies on no copper (at most a few, then a count).
struct DrillPlacement {
  int placed = 0;
  int dropped_pads = 0;
  int off_copper = 0;
  std::vector<std::string> notices;
};

// Drilling from a drill file instead of the picture: every pad found in the picture stops
// being one (an opening in copper is then neither engraved nor drilled), and each hole becomes
// a pad of the table at its nearest pixel, carrying its diameter. A hole with no copper of the
// analysed artwork within its radius (plus two pixels, around an opened hole) is counted and named in the notices.
// A hole off the picture is refused (its file line named) and the workspace is untouched.
Status PlaceDrillHoles(Workspace& ws, const std::vector<DrillHole>& holes, const PictureFrame& frame,
                       DrillPlacement* placement);

}  // namespace pistora
