#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The magnifier settings dialog's controls by role (no language line captions them).
enum class MagnifierSettingsControl {
  kWindow,  // the window itself
  kOffsetXCaption,
  kOffsetXEdit,
  kOffsetXArrows,
  kOffsetYCaption,
  kOffsetYEdit,
  kOffsetYArrows,
  kZoomCaption,
  kZoomEdit,
  kZoomPercent,
  kZoomSlider,
  kSaveButton,    // "Valider"
  kCancelButton,  // "Annuler"
};

// The magnifier window's controls by role.
enum class MagnifierGlassControl {
  kWindow,
  kPicture,      // the frame of the glass
  kMenu,         // the pop-up menu
  kCloseEntry,   // "Close"
  kOptionEntry,  // "Option"
};

// The mask window's controls by role.
enum class MagnifierMaskControl {
  kWindow,
  kPicture,          // the mask
  kEnlargedPicture,  // the enlarged copy of the main window, 220 x 220
  kRefreshTimer,
};

const ControlTable<MagnifierSettingsControl>& MagnifierSettingsControls();
const ControlTable<MagnifierGlassControl>& MagnifierGlassControls();
const ControlTable<MagnifierMaskControl>& MagnifierMaskControls();

// The table a role belongs to (lets `Named(widget, role)` and `FindControl` find it).
inline const ControlTable<MagnifierSettingsControl>& TableOf(MagnifierSettingsControl) { return MagnifierSettingsControls(); }
inline const ControlTable<MagnifierGlassControl>& TableOf(MagnifierGlassControl) { return MagnifierGlassControls(); }
inline const ControlTable<MagnifierMaskControl>& TableOf(MagnifierMaskControl) { return MagnifierMaskControls(); }

}  // namespace pistora
