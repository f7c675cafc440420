#pragma once

#include <vector>

#include "core/machine/iso_motion.h"

namespace pistora {

// The ends of the equal segments a straight move from `from` to `to` is cut into so that none
// is longer than `max_length` mm in the XY plane (Z follows linearly); the last one is `to`
// exactly. A move without XY travel, or a `max_length` that is not positive, stays whole.
std::vector<ToolPosition> SplitMove(const ToolPosition& from, const ToolPosition& to, double max_length);

}  // namespace pistora
