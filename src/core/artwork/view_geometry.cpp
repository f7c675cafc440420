#include "core/artwork/view_geometry.h"

namespace pistora {

int ScrollMaximum(int bitmap_side, int view_side) {
  const int excess = bitmap_side - view_side - 1;
  return excess > 0 ? excess : 1;
}

int ClampScroll(int position, int maximum) {
  if (position > maximum) position = maximum;
  return position < 0 ? 0 : position;
}

int PanPosition(int current, int pointer, int remembered, int maximum) {
  return ClampScroll(current - (pointer - remembered), maximum);
}

}  // namespace pistora
