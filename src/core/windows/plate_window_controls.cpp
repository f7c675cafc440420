#include "core/windows/plate_window_controls.h"

namespace pistora {
namespace {

using R = PlateControl;

constexpr ControlName<PlateControl> kRows[] = {
    {R::kWindow, ""},
};

}  // namespace

const ControlTable<PlateControl>& PlateWindowControls() {
  static constexpr ControlTable<PlateControl> kTable("Tgestfrm", kRows);
  return kTable;
}

}  // namespace pistora
