#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The height-map window's controls by role: the probe settings, the grid, the map's picture.
enum class HeightMapControl {
  kWindow,
  kProbeBox,
  kFeedCaption,
  kFeedEdit,        // mm/min
  kTravelCaption,
  kTravelEdit,      // mm
  kPlateCaption,
  kPlateEdit,       // touch-plate thickness, mm
  kClearanceCaption,
  kClearanceEdit,   // mm
  kGridBox,
  kExtent,          // the job's extent with its copies
  kBySpacingRadio,
  kSpacingEdit,     // mm
  kByCountRadio,
  kColumnsSpin,
  kRowsSpin,
  kProbeMapButton,
  kLoadButton,
  kSaveButton,
  kApplyCheck,
  kPicture,
  kSummary,         // min, max, tilt
};

const ControlTable<HeightMapControl>& HeightMapWindowControls();
inline const ControlTable<HeightMapControl>& TableOf(HeightMapControl) { return HeightMapWindowControls(); }

}  // namespace pistora
