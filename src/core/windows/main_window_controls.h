#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The main window's controls by role.
enum class MainControl {
  kWindow,  // the window itself
};

const ControlTable<MainControl>& MainWindowControls();

// The table a role belongs to (lets `Named(widget, role)` and `FindControl` find it).
inline const ControlTable<MainControl>& TableOf(MainControl) { return MainWindowControls(); }

}  // namespace pistora
