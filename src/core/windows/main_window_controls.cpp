#include "core/windows/main_window_controls.h"

namespace pistora {
namespace {

using R = MainControl;

constexpr ControlName<MainControl> kRows[] = {
    {R::kWindow, ""},
};

}  // namespace

const ControlTable<MainControl>& MainWindowControls() {
  static constexpr ControlTable<MainControl> kTable("TForm1", kRows);
  return kTable;
}

}  // namespace pistora
