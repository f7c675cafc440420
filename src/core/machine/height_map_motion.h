#pragma once

#include <optional>

#include "core/machine/forwarding_motion.h"
#include "core/machine/height_map.h"

namespace pistora {

// Program moves over a warped plate: every move that reaches below the work zero (a cut, a
// plunge) is split into segments no longer than half the map's spacing, and the Z of every
// point sent to the machine is raised by the map's height there, so that the depth stays true
// to the copper. Moves above the work zero keep their ends corrected but are not split.
//
// The map is read in the frame of the work zero it was applied at: the copies' walks of the
// work zero in X and Y are followed, so every copy reads its own part of the map. A Z made 0
// through this motion is made 0 on the copper where the tool stands (the map is re-referenced
// there). Positions reported are the program's (uncorrected) ones.
class HeightMapMotion final : public ForwardingMotion {
 public:
  HeightMapMotion(IsoMotion& inner, const HeightMap& map) : ForwardingMotion(inner), map_(map) {}

  void MoveTo(double x, double y, double z) override;
  ToolPosition CurrentPosition() const override;
  void ZeroAxisX() override;
  void ZeroAxisY() override;
  void ZeroAxisZ() override;

  // The Z correction (mm) at a point of the program's frame.
  double Correction(double x, double y) const;

 private:
  const HeightMap& map_;
  double shift_x_ = 0;  // the program's work zero in the map's frame (mm)
  double shift_y_ = 0;
  double z_reference_ = 0;  // the map's height where Z was last made 0
  // The program's target of the last move, while the machine stands there: a word a line
  // leaves out takes it. Read back from the machine instead, it would carry the step rounding
  // of the corrected Z, which would then add up from line to line.
  std::optional<ToolPosition> reached_;
};

}  // namespace pistora
