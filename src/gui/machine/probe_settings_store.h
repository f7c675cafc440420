#pragma once

#include "core/machine/probing.h"

namespace pistora {

// How the height map's grid is chosen: a spacing, or columns × rows.
struct ProbeGridChoice {
  bool by_spacing = true;
  double spacing = 10;  // mm
  int columns = 6;
  int rows = 5;
};

// The probe settings and the grid choice in the per-user settings file, group "palpeur". A value
// missing or out of range reads as its default.
ProbeSettings LoadProbeSettings();
void SaveProbeSettings(const ProbeSettings& settings);
ProbeGridChoice LoadProbeGrid();
void SaveProbeGrid(const ProbeGridChoice& grid);

}  // namespace pistora
