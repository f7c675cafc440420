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

// The job size from the machine window's two repetition totals, read with the regional decimal
// separator. The machine window writes them with "." whatever the region, so "." is accepted as
// well. A text that is no number, or a negative size, gives an error naming the text and leaves
// `size` unchanged: the preview is then not redrawn at all rather than left half drawn.
Status ParseJobSize(std::string_view width_text, std::string_view height_text, char regional_separator,
                    JobSize* size);

// A plate the preview can scale to: both sizes positive, borders and origin numbers.
Status CheckPlateGeometry(const PlateGeometry& plate);

// The plate of the machine parameters (cn.dat).
PlateGeometry PlateOf(const MachineParameters& parameters);

// DrawPlatePreview's model: the plate of `parameters` with the job of the two totals back in the
// inner lower-left corner of the border and the start point at the border values. On an error
// (a total that is no number, a plate that cannot be scaled) `preview` is left as it was.
Status NewPlatePreview(const MachineParameters& parameters, std::string_view width_text,
                       std::string_view height_text, char regional_separator, PlatePreview* preview);

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
