#pragma once

#include <QEvent>

#include "core/artwork/view_zoom.h"

namespace pistora {

// The zoom and scroll gestures every view shares: Ctrl + wheel zooms about the pointer, the
// wheel scrolls (Shift + wheel sideways), the keys + and - zoom about the view's centre.
// Returns true when the event changed `zoom` (the caller repaints and updates its scroll bars).
bool ApplyZoomInput(QEvent* event, ViewZoom& zoom);

}  // namespace pistora
