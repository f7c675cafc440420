#include "core/windows/machine_settings_controls.h"

namespace pistora {
namespace {

using R = MachineSettingsControl;

constexpr ControlName<MachineSettingsControl> kRows[] = {
    {R::kWindow, ""},
};

}  // namespace

const ControlTable<MachineSettingsControl>& MachineSettingsControls() {
  static constexpr ControlTable<MachineSettingsControl> kTable("TPagesDlg", kRows);
  return kTable;
}

}  // namespace pistora
