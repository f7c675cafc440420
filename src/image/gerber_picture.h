#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/artwork/bitmap.h"
#include "core/job/drill_placement.h"
#include "core/job/excellon.h"
#include "core/text/status.h"

namespace pistora {

// True when the file begins like an RS-274X layer (LooksLikeGerber on its first bytes).
bool IsGerberFile(const std::string& path);

// Resolution of a Gerber layer's picture when none is chosen, dots per inch.
inline constexpr int kDefaultGerberDpi = 1200;
// White kept around the copper (and the holes) of a rendered layer, mm.
inline constexpr double kGerberMarginMm = 3.0;

// What to render: an RS-274X copper layer, at `dpi`, with the holes of its drill file kept
// on the picture, turned left to right when `mirror` (a bottom layer milled from above).
struct GerberRequest {
  std::string gerber_path;
  int dpi = kDefaultGerberDpi;
  bool mirror = false;
  std::vector<DrillHole> holes;
  std::string program = "gerbv";  // a name looked up on PATH, or a path
  int timeout_ms = 120000;
  // Called about every 50 ms while gerbv draws (the window lets its events run there); false
  // stops the drawing. None: the caller just waits.
  std::function<bool()> while_waiting;
};

// The picture and where it lies on the board.
struct GerberPicture {
  Bitmap bitmap;  // exact black copper on exact white
  PictureFrame frame;
};

// Renders the layer with gerbv, run as a separate program (never through a shell), into a
// window of the board found by ScanGerberExtent, then crops it to the copper and the holes with
// kGerberMarginMm of white around them. Copper that reaches the window's edge (an aperture
// larger than the scan thought) widens the window and renders again. A missing gerbv names the
// Debian package; a gerbv that fails, stalls past the timeout or cannot read the file gives its
// own error lines; a layer without copper or larger than kMaxImageSide pixels is refused.
Status RenderGerber(const GerberRequest& request, GerberPicture* picture);

}  // namespace pistora
