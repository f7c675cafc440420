#pragma once

#include <optional>

#include "core/artwork/bitmap.h"
#include "core/artwork/workspace.h"
#include "core/host/host.h"

namespace pistora {

// Drawing targets of PlotPixel and DrawContour.
inline constexpr int kTargetArtwork = 1;
inline constexpr int kTargetEngraving = 2;

// Sets pixel (x, H - y) of the artwork (target 1) or engraving (target 2) bitmap, H being the
// engraving bitmap's height. Other targets, and points outside the bitmap, draw nothing.
// The view is not refreshed.
void PlotPixel(Workspace& ws, int x, int y, Rgb colour, int target);

// Colour of the engraving bitmap at path point (x, y); nullopt outside the bitmap
// (a value equal to no colour of the analysis).
std::optional<Rgb> ReadEngravingPixel(const Workspace& ws, int x, int y);

// The animation counter shared by every contour of one simulation: the engraving view is
// shown each time more than `speed` pixels were drawn since the last showing.
struct Animation {
  int speed = 50;  // value of the simulation speed box
  int counter = 0;
};

// Replays the path text of contour `index` as pixels in `colour` on `target`: the start,
// then one pixel per step code, letting window events run before each step and ending at
// the first pair that is not a code or when StopRequest is set. Shows the engraving view once
// after the start; with an animation, shows it whenever the shared counter passes its speed;
// with `refresh`, shows the target's view at the end.
void DrawContour(Workspace& ws, Host& host, int index, Rgb colour, bool refresh, int target,
                 Animation* animation = nullptr);

// The drill mark of a pad: the square of 2 * hole_size + 1 pixels centred on its centre,
// in the engraving bitmap (clipped to the bitmap).
void DrawDrillMark(Workspace& ws, const Contour& pad, int hole_size, Rgb colour = kGreen);

// Every useless contour in yellow on the engraving bitmap, then the engraving view shown.
void DrawUselessContours(Workspace& ws, Host& host);

// Every contour that is not useless: non-pads in black, pads as their drill marks when
// `with_drill_marks` is set; then the engraving view shown.
void DrawUsefulContours(Workspace& ws, Host& host, bool with_drill_marks, int hole_size);

// The two counters of the verification panel.
struct ContourCounters {
  int UsefulTrackCount = 0;  // neither pad nor useless
  int DrillCount = 0;        // pads, useless or not
  friend bool operator==(const ContourCounters&, const ContourCounters&) = default;
};
ContourCounters CountContours(const ContourTable& table);

}  // namespace pistora
