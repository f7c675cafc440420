#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The tool and isolation dialog's controls by role (opened from the main window's job settings).
enum class ToolDialogControl {
  kWindow,
  kPassesLabel,
  kPasses,  // paths per island
  kOverlapLabel,
  kOverlap,  // of the tool width, shared by neighbouring passes
  kHolesBySize,
  kHoleMinLabel,
  kHoleMin,  // mm
  kHoleMaxLabel,
  kHoleMax,  // mm
  kThresholdLabel,
  kThreshold,  // % of full brightness
  kWarningsLabel,
  kWarningsList,  // the gaps narrower than the tool; a click centres the engraving view on one
  kCheckLine,     // the check of the last programs written
  kCloseButton,
};

const ControlTable<ToolDialogControl>& ToolDialogControls();

// The table a role belongs to (lets `Named(widget, role)` and `FindControl` find it).
inline const ControlTable<ToolDialogControl>& TableOf(ToolDialogControl) { return ToolDialogControls(); }

}  // namespace pistora
