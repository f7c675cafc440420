#include "gui/setup/machine_window_motion.h"

#include "gui/machine/machine_window.h"

namespace pistora {

void MachineWindowMotion::MoveTo(double x, double y, double z) { window_.MoveTo(x, y, z); }
ToolPosition MachineWindowMotion::CurrentPosition() const {
  return window_.Motion().CurrentPosition();
}
void MachineWindowMotion::ZeroAxisX() { window_.ZeroAxisX(); }
void MachineWindowMotion::ZeroAxisY() { window_.ZeroAxisY(); }
void MachineWindowMotion::ZeroAxisZ() { window_.ZeroAxisZ(); }
void MachineWindowMotion::SetFeedFromProgram(int feed) { window_.Motion().SetFeedFromProgram(feed); }
bool MachineWindowMotion::StopLatched() const { return window_.Motion().StopLatched(); }
void MachineWindowMotion::HomeMachine() { window_.HomeMachine(); }
bool MachineWindowMotion::Busy() const { return window_.Busy(); }

void MachineWindowMotion::LatchStop() { window_.StopDiscMouseDown(); }
void MachineWindowMotion::ResetStopLatch() { window_.Button5Click(); }

}  // namespace pistora
