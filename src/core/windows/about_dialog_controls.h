#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The About window's controls by role.
enum class AboutControl {
  kWindow,            // the window itself (its title)
  kProgramName,
  kCloseButton,
  kVersion,
  // The lines of text below the name and version; the window may leave them out.
  kDescriptionLine1,
  kDescriptionLine2,
  kDescriptionLine3,
  kDescriptionLine4,
  kDescriptionLine5,
  kDescriptionLine6,
  kDescriptionLine7,
  kLicence,  // the program's licence (no language-file line: translated with the messages)
};

const ControlTable<AboutControl>& AboutControls();

// The table a role belongs to (lets `Named(widget, AboutControl::kVersion)` find it).
inline const ControlTable<AboutControl>& TableOf(AboutControl) { return AboutControls(); }

}  // namespace pistora
