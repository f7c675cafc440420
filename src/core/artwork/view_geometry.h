#pragma once

namespace pistora {

// Size of each of the main window's two views at the window's built-in size, in screen pixels;
// they grow with the window.
inline constexpr int kViewWidth = 561;
inline constexpr int kViewHeight = 441;

// Maximum of a view's scroll bar for a bitmap side: side - view - 1 when that is positive,
// else 1 (a picture that fits the view still gets a scroll bar range of 0..1).
int ScrollMaximum(int bitmap_side, int view_side);

// ScrollMaximum for a view that shows `scale` screen pixels per bitmap pixel: the view covers
// view_side / scale bitmap pixels (rounded up). At scale 1 it is ScrollMaximum.
int ScrollMaximumAt(int bitmap_side, int view_side, double scale);

// The bitmap pixel a view scrolled to `origin` (bitmap pixels) shows at screen pixel `screen`:
// the one under the screen pixel's centre, floor(origin + (screen + 0.5) / scale). At scale 1
// it is origin + screen. May lie outside the bitmap.
int BitmapPixelAt(int screen, int origin, double scale);

// The scroll position that keeps the bitmap point under screen pixel `screen` where it is while
// the scale goes from `old_scale` to `new_scale`; limited to 0..maximum.
int ZoomedScrollPosition(int origin, int screen, double old_scale, double new_scale, int maximum);

// A scroll position limited to 0..maximum.
int ClampScroll(int position, int maximum);

// Scroll position after the pointer moved from `remembered` to `pointer` while dragging:
// the picture follows the pointer, so the offset goes the other way; limited to 0..maximum.
int PanPosition(int current, int pointer, int remembered, int maximum);

}  // namespace pistora
