#include "core/machine/move_splitting.h"

#include <cmath>

namespace pistora {

namespace {

// More segments than any move of a plate needs (a 1 m move in 10 µm pieces).
constexpr double kMaxSegments = 100000;

}  // namespace

std::vector<ToolPosition> SplitMove(const ToolPosition& from, const ToolPosition& to, double max_length) {
  const double length = std::hypot(to.x - from.x, to.y - from.y);
  if (!(max_length > 0) || !std::isfinite(length) || length <= max_length) return {to};
  const int count = static_cast<int>(std::min(kMaxSegments, std::ceil(length / max_length)));
  std::vector<ToolPosition> ends;
  ends.reserve(static_cast<std::size_t>(count));
  for (int i = 1; i < count; ++i) {
    const double t = static_cast<double>(i) / count;
    ends.push_back({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t, from.z + (to.z - from.z) * t});
  }
  ends.push_back(to);
  return ends;
}

}  // namespace pistora
