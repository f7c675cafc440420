#pragma once

#include "core/machine/setup_motion.h"

namespace pistora {

class MachineWindow;

// The set-up tools' moves, made by the machine window (its motion engine, its displays, its
// STOP disc).
class MachineWindowMotion final : public SetupMotion {
 public:
  explicit MachineWindowMotion(MachineWindow& window) : window_(window) {}

  void MoveTo(double x, double y, double z) override;
  ToolPosition CurrentPosition() const override;
  void ZeroAxisX() override;
  void ZeroAxisY() override;
  void ZeroAxisZ() override;
  void SetFeedFromProgram(int feed) override;
  bool StopLatched() const override;
  void HomeMachine() override;
  bool Busy() const override;
  void LatchStop() override;
  void ResetStopLatch() override;

 private:
  MachineWindow& window_;
};

}  // namespace pistora
