#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The magnifier settings dialog's controls by role.
enum class MagnifierSettingsControl {
  kWindow,  // the window itself
};

const ControlTable<MagnifierSettingsControl>& MagnifierSettingsControls();

// The table a role belongs to (lets `Named(widget, role)` and `FindControl` find it).
inline const ControlTable<MagnifierSettingsControl>& TableOf(MagnifierSettingsControl) { return MagnifierSettingsControls(); }

}  // namespace pistora
