#pragma once

#include "core/artwork/bitmap.h"
#include "core/artwork/workspace.h"
#include "core/host/host.h"

namespace pistora {

// Track thickening ("Epaissir les pistes "): each engraved contour is rebuilt with its points
// pushed one pixel to the right-hand side of its direction of travel, which for an island's
// outer contour (traced counter-clockwise) is the side away from the copper.

// Rebuilds the path text of entry `index`, plotting the new path in `colour` on `target`
// (kTargetArtwork or kTargetEngraving) as it goes. Where a pushed point would land on a pixel of
// the engraving bitmap that already has `colour`, the point stays on the old path instead.
//
// The new text is "(X;Y)" + codes + closing + "CLOSED Points : n" + "Fin" + "(X;Y)", with (X, Y)
// the new start (the old start, or the pixel left of it when that pixel does not have `colour`),
// n the number of pushed codes and `closing` the straight and diagonal steps (plotted too) that
// bring the path back to (X, Y). StartX/StartY and EndX/EndY become (X, Y), so the program
// plunges where the new path starts. Window events run before each step; when StopRequest is set
// the rebuild ends after the current step and the codes built so far are written, closed by a
// lone "+-". Returns false when it ended on StopRequest; an index outside the table or a path
// whose start cannot be read changes nothing.
bool ThickenContour(Workspace& ws, Host& host, int index, Rgb colour, bool refresh, int target);

// The whole thickening command: two smoothing passes over the useful contours, a redraw of the
// engraving bitmap, ThickenContour (black, refresh, engraving) on every useful contour, and a final
// redraw; drill points keep their place. StopRequest is
// cleared at the start, before the first redraw and before the final redraw. Each call repeats
// all of it, so contours move again. `hole_size` is the drill-mark half-size
// of the redraws. Returns false when a rebuild ended on StopRequest.
bool ThickenTracks(Workspace& ws, Host& host, int hole_size);

// The contour rewrites offered by the command line: when `smooth`, one "Crénelage" pass; then the
// thickening command `thicken_times` times. Returns false when a thickening was stopped.
bool ApplyContourRewrites(Workspace& ws, Host& host, int hole_size, int thicken_times, bool smooth);

}  // namespace pistora
