#pragma once

#include <string>
#include <string_view>

#include "core/text/status.h"

namespace pistora {

// A rectangle of the board, mm (the drawing's own origin, y upwards); empty until a point is
// added.
struct BoardBox {
  double min_x = 0.0, min_y = 0.0, max_x = 0.0, max_y = 0.0;
  bool empty = true;
  // Adds the square of half-side `reach` around (x, y).
  void Add(double x, double y, double reach = 0.0);
};

// True when the bytes begin like an RS-274X file ("%", "G04", "G75"... after blanks), never
// for a BMP or GIF picture.
bool LooksLikeGerber(std::string_view head);

// A box holding everything an RS-274X layer draws, found without drawing it: every coordinate
// of the file (format %FS, units %MO, leading or trailing zeros left out), widened by the
// largest standard aperture (C, R, O, P) or, for macro apertures, by the largest of their
// parameters, and around each arc by twice its radius. It may be larger than the copper,
// never smaller for those apertures; the caller crops what it draws. An empty drawing,
// missing %FS, or an unreadable coordinate are refused, naming the file and the command.
Status ScanGerberExtent(std::string_view text, const std::string& name, BoardBox* box);

}  // namespace pistora
