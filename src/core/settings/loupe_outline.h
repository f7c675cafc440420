#pragma once

#include <cstdint>
#include <vector>

#include "core/settings/loupe_settings.h"

namespace pistora {

// Pure red is outside a magnifier window; every other colour of its picture is inside.
inline constexpr std::uint32_t kLoupeOutsideColour = 0xFF0000;  // 0xRRGGBB
// In the magnifier picture black is see-through, so the mask window shows beneath it.
inline constexpr std::uint32_t kLoupeSeeThroughColour = 0x000000;

// One rectangle of a window outline, in picture pixels: [left, left + width) x [top, top + height).
struct OutlineRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const OutlineRect&, const OutlineRect&) = default;
};

// The outline of a window cut from its picture (drawn at 0, 0). `pixels` holds `width` x
// `height` colours 0xRRGGBB row by row from the top (any alpha byte is ignored). Each maximal
// run of non-red pixels of a row becomes one rectangle one pixel high, listed row by row and
// left to right; the outline is their union. A picture with no non-red pixel has no outline;
// a `pixels` shorter than width x height gives none either.
//
// `black_see_through`: black pixels are left out of the outline as well. The magnifier window
// shows its black pixels as see-through; leaving them out of the window lets the mask window
// beneath show (and take the clicks) there, as a colour-keyed window does.
std::vector<OutlineRect> OutlineOfPicture(const std::vector<std::uint32_t>& pixels, int width, int height,
                                          bool black_see_through = false);

// Dragging the magnifier: the window's new top-left corner after the pointer, pressed at
// `anchor` inside the window, has moved to `pointer` (also inside-window coordinates of the
// window at `window`). The mask window follows to the same corner.
LoupePoint DraggedWindowPosition(LoupePoint window, LoupePoint anchor, LoupePoint pointer);

}  // namespace pistora
