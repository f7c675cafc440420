#pragma once

#include <string>

#include "core/artwork/workspace.h"
#include "core/text/status.h"

namespace pistora {

// Pixel sizes a board can have: finite, above 0 and below this (mm). A size outside would
// scale every move to nothing, to a mirror image or beyond any machine.
inline constexpr double kMaxPixelSizeMm = 10.0;
bool IsUsablePixelSize(double pixel_size_mm);

// Why a pixel size is not usable, in words ("" when it is).
std::string PixelSizeProblem(double pixel_size_mm);

// Whether a path point (x = column, y = height - row) lies on a picture of `width` x `height`
// pixels: 0 <= x <= width, 0 <= y <= height (a path runs along pixel edges).
bool InsidePicture(long long x, long long y, int width, int height);

// Refuses to write a program from a workspace whose pixel size is not usable, or one of whose
// contours (path corners, centre) lies outside the engraving picture, naming the contour: a
// program never holds INF, NaN or a move off the board. With no picture (0 x 0) only the pixel
// size is checked.
Status CheckJobWithinPicture(const Workspace& ws);

}  // namespace pistora
