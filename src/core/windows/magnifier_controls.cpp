#include "core/windows/magnifier_controls.h"

namespace pistora {
namespace {

using R = MagnifierSettingsControl;

constexpr ControlName<MagnifierSettingsControl> kRows[] = {
    {R::kWindow, ""},
};

}  // namespace

const ControlTable<MagnifierSettingsControl>& MagnifierSettingsControls() {
  static constexpr ControlTable<MagnifierSettingsControl> kTable("Trgloupefrm", kRows);
  return kTable;
}

}  // namespace pistora
