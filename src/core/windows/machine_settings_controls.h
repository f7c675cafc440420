#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The machine settings dialog (the four pages of cn.dat settings)'s controls by role.
enum class MachineSettingsControl {
  kWindow,  // the window itself
};

const ControlTable<MachineSettingsControl>& MachineSettingsControls();

// The table a role belongs to (lets `Named(widget, role)` and `FindControl` find it).
inline const ControlTable<MachineSettingsControl>& TableOf(MachineSettingsControl) { return MachineSettingsControls(); }

}  // namespace pistora
