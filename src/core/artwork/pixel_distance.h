#pragma once

#include <cmath>
#include <cstdint>

namespace pistora {

// Euclidean distance between two pixels, in pixels, rounded to the nearest integer with halves to
// even. A diagonal neighbour is at distance 1 (sqrt 2 = 1.41 rounds to 1), (2, 1) at 2.
// The square root of an integer sum of squares is never an exact half (k + 0.5 squared is not an
// integer), so the rounding is decided exactly in integers: the result is the k with
// (2k - 1)^2 < 4 d^2 < (2k + 1)^2.
inline int PixelDistance(int x1, int y1, int x2, int y2) {
  const std::int64_t dx = static_cast<std::int64_t>(x2) - x1;
  const std::int64_t dy = static_cast<std::int64_t>(y2) - y1;
  // Beyond 2^29 pixels four times the squares would leave int64; no halves can occur there
  // in double either, and the result is held to the int range.
  constexpr std::int64_t kExactLimit = std::int64_t{1} << 29;
  if (dx > kExactLimit || dx < -kExactLimit || dy > kExactLimit || dy < -kExactLimit) {
    const double d = std::nearbyint(std::hypot(static_cast<double>(dx), static_cast<double>(dy)));
    return d >= 2147483647.0 ? 2147483647 : static_cast<int>(d);
  }
  const std::int64_t squared = dx * dx + dy * dy;
  auto k = static_cast<std::int64_t>(std::sqrt(static_cast<double>(squared)));
  // Mend the floating square root so that k = floor(sqrt(squared)) exactly.
  while (k > 0 && k * k > squared) --k;
  while ((k + 1) * (k + 1) <= squared) ++k;
  if (4 * squared > (2 * k + 1) * (2 * k + 1)) ++k;
  return static_cast<int>(k);
}

}  // namespace pistora
