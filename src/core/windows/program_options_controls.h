#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The program options dialog's controls by role (opened from the main window's job settings).
enum class ProgramOptionsControl {
  kWindow,
  kDialectLabel,
  kDialectList,
  kSpindleRpmLabel,
  kSpindleRpm,
  kTravelHeightLabel,
  kTravelHeight,
  kDrillsLabel,
  kDrills,
  kImprovedOrder,
  kConfirmButton,
  kCancelButton,
};

const ControlTable<ProgramOptionsControl>& ProgramOptionsControls();

// The table a role belongs to (lets `Named(widget, role)` and `FindControl` find it).
inline const ControlTable<ProgramOptionsControl>& TableOf(ProgramOptionsControl) { return ProgramOptionsControls(); }

}  // namespace pistora
