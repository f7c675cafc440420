#include "gui/app/app_windows.h"

#include "gui/machine/machine_window.h"
#include "gui/main/about_dialog.h"
#include "gui/main/main_window.h"
#include "gui/setup/machine_settings_dialog.h"
#include "gui/setup/plate_window.h"
#include "gui/viewers/magnifier_glass.h"
#include "gui/viewers/magnifier_mask.h"
#include "gui/viewers/magnifier_settings_dialog.h"

namespace pistora {

std::vector<QWidget*> ExistingWindows(const AppWindows& w) {
  std::vector<QWidget*> existing;
  for (QWidget* window : std::initializer_list<QWidget*>{w.main, w.about, w.machine, w.plate, w.machine_settings,
                                                         w.magnifier, w.magnifier_mask, w.magnifier_settings}) {
    if (window != nullptr) existing.push_back(window);
  }
  return existing;
}

}  // namespace pistora
