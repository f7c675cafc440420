#include "core/job/line_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace pistora {

namespace {

// Ends are 32-bit, so 2 * i * |minor| needs more than 64 bits.
__extension__ typedef __int128 Wide;

// floor(a / b) for b > 0.
Wide FloorDiv(Wide a, Wide b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// A step bound computed in floating point, kept in a range that converts safely.
std::int64_t ToStep(double value) {
  constexpr double kLimit = 9.0e15;
  return static_cast<std::int64_t>(std::clamp(value, -kLimit, kLimit));
}

}  // namespace

void DrawLine(Bitmap& bitmap, int x0, int row0, int x1, int row1, Rgb colour) {
  if (bitmap.Empty()) return;
  const std::int64_t dx = std::int64_t{x1} - x0;
  const std::int64_t dy = std::int64_t{row1} - row0;
  const bool x_major = std::llabs(dx) >= std::llabs(dy);
  // Walk i = 0..n along the major axis; the minor offset at step i is
  // floor((2 * i * |minor| + n) / (2 * n)), i.e. i * |minor| / n rounded, halves away from the start.
  const std::int64_t n = x_major ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t minor_len = x_major ? std::llabs(dy) : std::llabs(dx);
  const int major_sign = (x_major ? dx : dy) < 0 ? -1 : 1;
  const int minor_sign = (x_major ? dy : dx) < 0 ? -1 : 1;
  const std::int64_t major0 = x_major ? x0 : row0;
  const std::int64_t minor0 = x_major ? row0 : x0;
  const std::int64_t major_size = x_major ? bitmap.Width() : bitmap.Height();
  const std::int64_t minor_size = x_major ? bitmap.Height() : bitmap.Width();

  // Steps whose major coordinate lies inside the bitmap.
  std::int64_t lo, hi;
  if (major_sign > 0) {
    lo = -major0;
    hi = major_size - 1 - major0;
  } else {
    lo = major0 - (major_size - 1);
    hi = major0;
  }
  lo = std::max<std::int64_t>(lo, 0);
  hi = std::min(hi, n);
  // Narrow further to the steps whose minor coordinate can be inside (a margin of one step
  // covers the rounding); the pixel test below is exact.
  if (n > 0 && minor_len > 0) {
    const double slope = static_cast<double>(minor_len) / static_cast<double>(n);
    const double first = minor_sign > 0 ? static_cast<double>(-minor0) : static_cast<double>(minor0 - (minor_size - 1));
    const double last = minor_sign > 0 ? static_cast<double>(minor_size - 1 - minor0) : static_cast<double>(minor0);
    lo = std::max(lo, ToStep(std::floor((first - 1.0) / slope)) - 1);
    hi = std::min(hi, ToStep(std::ceil((last + 1.0) / slope)) + 1);
  } else if (minor0 < 0 || minor0 >= minor_size) {
    return;
  }
  for (std::int64_t i = lo; i <= hi; ++i) {
    const std::int64_t offset =
        n == 0 ? 0 : static_cast<std::int64_t>(FloorDiv(Wide{2} * i * minor_len + n, Wide{2} * n));
    const std::int64_t major = major0 + major_sign * i;
    const std::int64_t minor = minor0 + minor_sign * offset;
    const std::int64_t x = x_major ? major : minor;
    const std::int64_t row = x_major ? minor : major;
    if (x >= 0 && row >= 0 && x < bitmap.Width() && row < bitmap.Height()) {
      bitmap.Set(static_cast<int>(x), static_cast<int>(row), colour);
    }
  }
}

}  // namespace pistora
