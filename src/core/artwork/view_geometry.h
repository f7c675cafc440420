#pragma once

namespace pistora {

// Size of each of the main window's two views, in screen pixels. The views never scale
// the bitmap: one bitmap pixel is one screen pixel.
inline constexpr int kViewWidth = 561;
inline constexpr int kViewHeight = 441;

// Maximum of a view's scroll bar for a bitmap side: side - view - 1 when that is positive,
// else 1 (a picture that fits the view still gets a scroll bar range of 0..1).
int ScrollMaximum(int bitmap_side, int view_side);

// A scroll position limited to 0..maximum.
int ClampScroll(int position, int maximum);

// Scroll position after the pointer moved from `remembered` to `pointer` while dragging:
// the picture follows the pointer, so the offset goes the other way; limited to 0..maximum.
int PanPosition(int current, int pointer, int remembered, int maximum);

}  // namespace pistora
