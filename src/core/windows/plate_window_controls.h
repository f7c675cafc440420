#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The copper plate window's controls by role.
enum class PlateControl {
  kWindow,  // the window itself
};

const ControlTable<PlateControl>& PlateWindowControls();

// The table a role belongs to (lets `Named(widget, role)` and `FindControl` find it).
inline const ControlTable<PlateControl>& TableOf(PlateControl) { return PlateWindowControls(); }

}  // namespace pistora
