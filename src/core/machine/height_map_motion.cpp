#include "core/machine/height_map_motion.h"

#include "core/machine/move_splitting.h"

namespace pistora {

double HeightMapMotion::Correction(double x, double y) const {
  return map_.HeightAt(shift_x_ + x, shift_y_ + y) - z_reference_;
}

ToolPosition HeightMapMotion::CurrentPosition() const {
  if (reached_) return *reached_;
  ToolPosition p = inner_.CurrentPosition();
  p.z -= Correction(p.x, p.y);
  return p;
}

void HeightMapMotion::MoveTo(double x, double y, double z) {
  const ToolPosition from = CurrentPosition();
  reached_.reset();
  const ToolPosition to{x, y, z};
  const bool below_zero = from.z < 0 || z < 0;
  const std::vector<ToolPosition> ends = below_zero ? SplitMove(from, to, map_.MaxSegmentLength())
                                                    : std::vector<ToolPosition>{to};
  for (const ToolPosition& end : ends) {
    if (inner_.StopLatched()) break;
    inner_.MoveTo(end.x, end.y, end.z + Correction(end.x, end.y));
  }
  if (!inner_.StopLatched()) reached_ = to;
}

void HeightMapMotion::ZeroAxisX() {
  reached_.reset();
  shift_x_ += inner_.CurrentPosition().x;
  inner_.ZeroAxisX();
}

void HeightMapMotion::ZeroAxisY() {
  reached_.reset();
  shift_y_ += inner_.CurrentPosition().y;
  inner_.ZeroAxisY();
}

void HeightMapMotion::ZeroAxisZ() {
  reached_.reset();
  const ToolPosition p = inner_.CurrentPosition();
  z_reference_ = map_.HeightAt(shift_x_ + p.x, shift_y_ + p.y);
  inner_.ZeroAxisZ();
}

}  // namespace pistora
