// A machine that misbehaves: a bouncing limit switch, an emergency stop held, a port that goes
// away in the middle of a move or a program. Each time the machine stops, the stop latch holds
// until "Raz", the message line says why, and no step is made meanwhile.
#include <gtest/gtest.h>

#include "core/machine/engine_iso_motion.h"
#include "core/machine/iso_program.h"
#include "core/machine/machine_fixture.h"

namespace pistora {
namespace {

using testing::SimulatedRig;
using testing::WiredAxes;

constexpr double kScale = 133.3333;

class HardwareFault : public ::testing::Test {
 protected:
  void Wire(std::uint8_t limit_x, std::uint8_t estop) {
    MachineParameters p = WiredAxes();
    p.LimitXInput = limit_x;
    p.EStopInput = estop;
    rig_.Apply(p);
  }
  // "Raz" beside the STOP disc.
  void Raz() { rig_.state.StopFlag = false; }
  std::int64_t StepsX() const { return rig_.machine.StepCount(Axis::X); }

  SimulatedRig rig_;
};

TEST_F(HardwareFault, ABouncingLimitSwitchLatchesTheStopAtItsFirstClosing) {
  Wire(0x08, 0);
  // Open for 1200 reads, closed for one, open again: one closing is enough. The switch is read
  // once a tick, and a step comes every 60 ticks at 150 mm/min.
  std::vector<bool> levels(1200, false);
  levels.push_back(true);
  levels.insert(levels.end(), 2000, false);
  rig_.machine.BounceLimit(Axis::X, levels);

  EXPECT_EQ(rig_.engine.MoveTo(10, 0, 0), MoveOutcome::Stopped);
  const std::int64_t made = StepsX();
  EXPECT_NEAR(made, 20, 1);
  EXPECT_TRUE(rig_.state.StopFlag);
  EXPECT_TRUE(rig_.display.disc_red);
  EXPECT_EQ(rig_.display.message, std::string(kLimitStopMessage) + "X.");
  EXPECT_NEAR(rig_.state.Position[0], made / kScale, 1e-9);

  // The switch is open again, yet nothing moves before "Raz".
  EXPECT_EQ(rig_.engine.MoveTo(20, 5, 0), MoveOutcome::Stopped);
  EXPECT_EQ(StepsX(), made);
  EXPECT_EQ(rig_.machine.StepCount(Axis::Y), 0);
  EXPECT_EQ(rig_.display.message, std::string(kLimitStopMessage) + "X.");

  Raz();
  EXPECT_EQ(rig_.engine.MoveTo(1, 0, 0), MoveOutcome::Completed);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), 133);
}

TEST_F(HardwareFault, AnEmergencyStopHeldAllowsNoMoveEvenAfterRaz) {
  Wire(0, 0x40);
  rig_.machine.SetEStop(true);
  EXPECT_EQ(rig_.engine.MoveTo(5, 0, 0), MoveOutcome::Stopped);
  // The input is read before the first pulse: not a single step leaves.
  EXPECT_EQ(StepsX(), 0);
  EXPECT_EQ(rig_.display.message, kEStopStopMessage);
  EXPECT_TRUE(rig_.display.Lamp(Lamp::EStop));
  EXPECT_TRUE(rig_.state.StopFlag);

  EXPECT_EQ(rig_.engine.MoveTo(5, 0, 0), MoveOutcome::Stopped);
  EXPECT_EQ(StepsX(), 0);

  // "Raz" while it is still held: stopped again at once.
  Raz();
  EXPECT_EQ(rig_.engine.MoveTo(5, 0, 0), MoveOutcome::Stopped);
  EXPECT_EQ(StepsX(), 0);
  EXPECT_TRUE(rig_.state.StopFlag);

  rig_.machine.SetEStop(false);
  EXPECT_EQ(rig_.engine.MoveTo(5, 0, 0), MoveOutcome::Stopped) << "released, but not reset";
  EXPECT_EQ(StepsX(), 0);
  Raz();
  EXPECT_EQ(rig_.engine.MoveTo(1, 0, 0), MoveOutcome::Completed);
  EXPECT_FALSE(rig_.display.Lamp(Lamp::EStop));
}

TEST_F(HardwareFault, APortThatVanishesMidMoveStopsTheMachineWhereItReallyIs) {
  rig_.host.trigger_at = 400;
  rig_.host.action = [this] { rig_.machine.SetDisconnected(true); };
  EXPECT_EQ(rig_.engine.MoveTo(10, 0, 0), MoveOutcome::Stopped);
  const std::int64_t made = rig_.machine.PositionSteps(Axis::X);
  EXPECT_GT(made, 0);
  EXPECT_LT(made, 1333);
  EXPECT_TRUE(rig_.state.StopFlag);
  EXPECT_EQ(rig_.display.message.rfind(kPortLostMessage, 0), 0u) << rig_.display.message;
  EXPECT_NE(rig_.display.message.find("débranché"), std::string::npos) << rig_.display.message;
  // The engine counts only the pulses that reached the machine.
  EXPECT_NEAR(rig_.state.Position[0], made / kScale, 1e-9);

  // Latched: no move is even attempted.
  EXPECT_EQ(rig_.engine.MoveTo(10, 0, 0), MoveOutcome::Stopped);
  EXPECT_EQ(rig_.engine.LastMoveSteps(), (std::array<std::int64_t, 3>{0, 0, 0}));

  // "Raz" with the port still gone: the first pulse fails and the machine stops again.
  Raz();
  EXPECT_EQ(rig_.engine.MoveTo(10, 0, 0), MoveOutcome::Stopped);
  EXPECT_EQ(rig_.engine.LastMoveSteps(), (std::array<std::int64_t, 3>{0, 0, 0}));
  EXPECT_TRUE(rig_.state.StopFlag);

  // Back again, and reset: the move ends where it was asked to.
  rig_.machine.SetDisconnected(false);
  Raz();
  EXPECT_EQ(rig_.engine.MoveTo(10, 0, 0), MoveOutcome::Completed);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), 1333);
}

TEST_F(HardwareFault, StatusReadsThatFailStopTheMachineAtTheNextPulse) {
  Wire(0x08, 0);
  rig_.host.trigger_at = 300;
  rig_.host.action = [this] { rig_.machine.SetReadsFail(true); };
  EXPECT_EQ(rig_.engine.MoveTo(10, 0, 0), MoveOutcome::Stopped);
  const std::int64_t made = StepsX();
  EXPECT_GT(made, 0);
  EXPECT_LT(made, 1333);
  EXPECT_EQ(rig_.display.message.rfind(kPortLostMessage, 0), 0u) << rig_.display.message;
  EXPECT_TRUE(rig_.state.StopFlag);
  EXPECT_EQ(rig_.engine.MoveTo(10, 0, 0), MoveOutcome::Stopped);
  EXPECT_EQ(StepsX(), made);
}

TEST_F(HardwareFault, AProgramEndsWhenThePortVanishesAndItsMessageStays) {
  FeedSlider slider(600, 150);
  slider.SetChangeHandler([this](std::int32_t feed) { rig_.state.WorkFeed = feed; });
  EngineIsoMotion motion(rig_.engine, slider);
  const std::vector<std::string> program = {"%", "G01 X5", "G01 X10 Y3", "G01 Y6", "G00 X0 Y0"};
  rig_.host.trigger_at = 2000;
  rig_.host.action = [this] { rig_.machine.SetDisconnected(true); };

  const IsoRunResult result = RunIsoProgram(program, motion, rig_.host);
  EXPECT_EQ(result.outcome, IsoRunOutcome::kStopped);
  // The message line names the line the program ended at and the port's reason.
  EXPECT_NE(rig_.display.message.find(kPortLostMessage), std::string::npos) << rig_.display.message;
  EXPECT_NE(rig_.display.message.find("ligne 2"), std::string::npos) << rig_.display.message;
  const std::int64_t x = rig_.machine.PositionSteps(Axis::X);
  const std::int64_t y = rig_.machine.PositionSteps(Axis::Y);
  EXPECT_GT(x, 0);
  EXPECT_EQ(y, 0) << "stopped during the first move";

  // A second run reads no line while the latch holds.
  rig_.machine.SetDisconnected(false);
  EXPECT_EQ(RunIsoProgram(program, motion, rig_.host).outcome, IsoRunOutcome::kStopped);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), x);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Y), y);
}

}  // namespace
}  // namespace pistora
