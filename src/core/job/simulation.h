#pragma once

#include <functional>

#include "core/artwork/workspace.h"
#include "core/host/host.h"

namespace pistora {

// The pause after each simulated hole is counted in BusyDelay units. One unit lasts
// kBusyDelayUnitMs milliseconds (the pause box runs 0..10000, so at most ten seconds a hole).
inline constexpr int kBusyDelayUnitMs = 1;

// Performs a pause of `units` BusyDelay units (units <= 0: none). The window waits while
// letting its events run, and returns early once StopRequest is set; tests record the calls.
using BusyDelay = std::function<void(int units)>;

// A BusyDelay that sleeps kBusyDelayUnitMs per unit, calling host.PumpEvents() after each
// unit and returning as soon as `stop` is set.
BusyDelay PumpingBusyDelay(Host& host, const bool& stop);

// The values of the simulation boxes.
struct SimulationSettings {
  int Speed = 50;      // the engraving simulation's speed box: the view is shown once every Speed + 1 drawn pixels
  int PauseUnits = 50; // the drilling simulation's pause box: BusyDelay units after each drilled hole
  int HoleSize = 2;    // the drill-mark size box: drill marks are squares of 2 * HoleSize + 1 pixels
};

enum class SimulationOutcome { Completed, Stopped };

// "&Simulation gravure": orders the engraving job, clears StopRequest, clears the engraving
// view, then replays the job: a blue travel line from the pen to each start, pads as five
// green pixels at their centre, other contours drawn in red (animated), the pen moving to
// each contour's end. A blue line back to the origin (0, 0) closes the run, also after a stop.
SimulationOutcome SimulateEngraving(Workspace& ws, Host& host, const SimulationSettings& settings);

// "&Simulation perçage": the same for the drilling job, on a view showing the useful
// tracks in black; each hole is its green drill mark followed by a pause.
SimulationOutcome SimulateDrilling(Workspace& ws, Host& host, const SimulationSettings& settings,
                                   const BusyDelay& delay);

}  // namespace pistora
