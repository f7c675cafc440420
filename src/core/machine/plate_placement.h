#pragma once

#include <functional>
#include <string_view>

#include "core/machine/iso_motion.h"
#include "core/machine/plate_preview.h"
#include "core/machine/setup_motion.h"
#include "core/settings/machine_parameters.h"
#include "core/text/status.h"

namespace pistora {

// The job's total size on the plate (mm): the program's extent times the copies, plus the gaps.
struct JobSize {
  double width_mm = 0;
  double height_mm = 0;
  friend bool operator==(const JobSize&, const JobSize&) = default;
};

// A plate the preview can scale to: both sizes positive, borders and origin numbers.
Status CheckPlateGeometry(const PlateGeometry& plate);

// The plate of the machine parameters (cn.dat).
PlateGeometry PlateOf(const MachineParameters& parameters);

// DrawPlatePreview's model: the plate of `parameters` with the job back in the inner lower-left
// corner of the border and the start point at the border values. On an error (a job size that
// is negative or no number, a plate that cannot be scaled) `preview` is left as it was: it is
// then not redrawn at all rather than left half drawn.
Status NewPlatePreview(const MachineParameters& parameters, const JobSize& job, PlatePreview* preview);

enum class PlacementOutcome {
  kPlaced,   // homed, moved over the start point, and that point made the work zero
  kStopped,  // the stop latch cut the homing or the move short; the axes were zeroed where they stand
  kRefused,  // another motion was under way: nothing was done
};

// "&Positionner la broche et sortir": HomeMachine, MoveTo(target) (the start point plus the plate
// origin, Z 0), then ZeroAxisX, ZeroAxisY, ZeroAxisZ, so the spindle's place becomes the work zero.
// The axes are zeroed even when STOP ended the homing or the move early. `accepted` runs once the
// placement is accepted, before anything moves (the machine window switches its buttons to the Z
// level there). While `motion` is Busy() the placement is refused: nothing runs, not even
// `accepted`, and `status` gets the reason.
PlacementOutcome PlaceSpindle(const ToolPosition& target, SetupMotion& motion,
                              const std::function<void()>& accepted = {}, Status* status = nullptr);

inline constexpr const char* kPlacementBusyMessage =
    "La machine est en mouvement : positionnement de la broche refusé.";

}  // namespace pistora
