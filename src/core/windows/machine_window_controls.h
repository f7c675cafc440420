#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The machine window's controls by role.
enum class MachineControl {
  kWindow,  // the window itself
  kModeName,  // the label naming the current mode, in the applied language
};

const ControlTable<MachineControl>& MachineWindowControls();

// The table a role belongs to (lets `Named(widget, role)` and `FindControl` find it).
inline const ControlTable<MachineControl>& TableOf(MachineControl) { return MachineWindowControls(); }

}  // namespace pistora
