#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The copper plate window's controls by role.
enum class PlateControl {
  kWindow,  // the window itself (its title)
  // "Prévisualisation"
  kPreviewBox,
  kPreview,
  // "Commandes"
  kCommandBox,
  kNewPlateButton,
  kPlaceSpindleButton,
  kLeaveButton,
  kStopDisc,
  kStopWord,
  kResetStopButton,  // "Raz"
  // "Légende": four samples and their captions, then the start point
  kLegendBox,
  kCopperSample,
  kForbiddenSample,
  kEngravingSample,
  kEngravedSample,
  kCopperCaption,
  kForbiddenCaption,
  kEngravingCaption,
  kEngravedCaption,
  kStartPointCaption,
  kStartXCaption,
  kStartX,
  kStartYCaption,
  kStartY,
  // "Gestion des plaques de cuivre" (empty)
  kPlateStockBox,
};

const ControlTable<PlateControl>& PlateWindowControls();

// The table a role belongs to (lets `Named(widget, role)` and `FindControl` find it).
inline const ControlTable<PlateControl>& TableOf(PlateControl) { return PlateWindowControls(); }

}  // namespace pistora
