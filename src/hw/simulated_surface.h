#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pistora {

// The copper of a simulated warped plate: a tilt and a bow over a plate laid from the machine's
// start point (mm). Heights are mm in the machine's Z from the start point's height, so the tool
// starts on the copper at the plate's corner.
struct SimulatedSurface {
  double tilt_x = 0;   // mm over 100 mm of X
  double tilt_y = 0;   // mm over 100 mm of Y
  double bow = 0;      // mm the middle stands above the middle of each edge (twice that above the corners)
  double size_x = 100;  // mm
  double size_y = 100;

  double HeightAt(double x, double y) const;
};

// "tilt=0.2,0.1;bow=0.1" (and optionally "size=160x100"): the keys in any order, each once.
// Empty, with the reason in `error`, when the text does not read.
std::optional<SimulatedSurface> ParseSimulatedSurface(std::string_view text, std::string* error);

}  // namespace pistora
