#include "core/windows/machine_window_controls.h"

namespace pistora {
namespace {

using R = MachineControl;

constexpr ControlName<MachineControl> kRows[] = {
    {R::kWindow, ""},
    {R::kModeName, "Label53"},
};

}  // namespace

const ControlTable<MachineControl>& MachineWindowControls() {
  static constexpr ControlTable<MachineControl> kTable("Tgravefrm", kRows);
  return kTable;
}

}  // namespace pistora
