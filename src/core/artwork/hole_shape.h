#pragma once

#include <set>

#include <optional>

#include "core/artwork/contour.h"
#include "core/artwork/workspace.h"

namespace pistora {

// The opening a closed contour encloses, measured from its path (pixel centres of the white ring
// just inside the copper, path coordinates).
struct HoleShape {
  double area_px = 0.0;       // white pixels enclosed, the ring included (Pick's count)
  double diameter_mm = 0.0;   // diameter of the disc of that area
  double roundness = 0.0;     // area over the area of the enclosing circle: 1 for a disc, 2/pi for a square
  double center_x = 0.0;      // centre of the bounding box of the path, path coordinates
  double center_y = 0.0;
};

// A disc drawn at any resolution measures above this; a square (2/pi = 0.64) below.
inline constexpr double kMinHoleRoundness = 0.78;

// The shape of the opening inside a closed contour, `pixel_mm` millimetres per pixel. nullopt for
// a path that is not closed, has fewer than 4 steps, or whose start cannot be read.
std::optional<HoleShape> MeasureHole(const Contour& contour, double pixel_mm);

// The drill diameter of a pad, in millimetres: MeasureHole's diameter, 0 when it has none.
double HoleDiameterMm(const Contour& contour, double pixel_mm);

// Drill diameters accepted as holes by default, mm.
inline constexpr double kDefaultHoleMinMm = 0.4;
inline constexpr double kDefaultHoleMaxMm = 3.2;

// True when the contour runs inside copper of ws.ArtworkBitmap (black or processed blue): the
// pixels beside its leftmost and its rightmost points are copper, as they are around an opening.
bool RunsInsideCopper(const Workspace& ws, const Contour& contour);

// Pads by their size, once the scale is known: a contour is a pad when it runs inside copper and
// encloses a round opening (roundness at least kMinHoleRoundness) of diameter within
// [min_mm, max_mm]. A contour that stops being a pad is engraved when it is an island's outline,
// useless when it is an opening. Other contours keep their flags. Needs ws.PixelSizeMm > 0.
// The contours of `set_by_hand` (table indices: flags the user set) keep theirs, whatever they
// hold. Returns the number of pads the rule made.
int ClassifyHolesBySize(Workspace& ws, double min_mm, double max_mm, const std::set<int>& set_by_hand = {});

}  // namespace pistora
