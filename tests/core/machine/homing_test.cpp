#include "core/machine/homing.h"

#include <gtest/gtest.h>

#include "core/machine/jogging.h"
#include "machine_fixture.h"

namespace pistora {
namespace {

using testing::SimulatedRig;
using testing::WiredAxes;

class HomingTest : public ::testing::Test {
 protected:
  SimulatedRig rig_;
};

TEST_F(HomingTest, OnlyZWiredMovesZAloneBacksOffAndZeroesIt) {
  MachineParameters p = WiredAxes();
  p.LimitZInput = 0x40;
  rig_.Apply(p);
  rig_.machine.SetTravel(Axis::Z, -100000, 100);  // switch at the top, 100 steps up
  rig_.state.Position = {3.5, -4.25, 7};

  const HomingResult result = HomeMachine(rig_.engine);

  EXPECT_EQ(result.outcome, HomingOutcome::kCompleted);
  EXPECT_EQ(result.seek_steps[2], 100);
  EXPECT_EQ(result.backoff_steps[2], 667);  // round(5 x 133.3333)
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Z), 100 - 667);
  EXPECT_EQ(rig_.machine.StepCount(Axis::X), 0);
  EXPECT_EQ(rig_.machine.StepCount(Axis::Y), 0);
  EXPECT_DOUBLE_EQ(rig_.state.Position[0], 3.5);
  EXPECT_DOUBLE_EQ(rig_.state.Position[1], -4.25);
  EXPECT_DOUBLE_EQ(rig_.state.Position[2], 0);
  EXPECT_EQ(rig_.display.positions[2], "0.000");
  EXPECT_FALSE(rig_.state.StopFlag);
  EXPECT_FALSE(result.homed[0]);
  EXPECT_TRUE(result.homed[2]);
}

TEST_F(HomingTest, SeeksZUpThenXAndYDownAtTheSwitchPace) {
  MachineParameters p = WiredAxes();
  p.LimitXInput = 0x08;
  p.LimitYInput = 0x10;
  p.LimitZInput = 0x40;
  rig_.Apply(p);
  rig_.machine.SetTravel(Axis::Z, -100000, 20);
  rig_.machine.SetTravel(Axis::X, -30, 100000);
  rig_.machine.SetTravel(Axis::Y, -40, 100000);

  const HomingResult result = HomeMachine(rig_.engine);

  EXPECT_EQ(result.seek_steps[2], 20);
  EXPECT_EQ(result.seek_steps[0], 30);
  EXPECT_EQ(result.seek_steps[1], 40);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), -30 + 667);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Y), -40 + 667);
  // Z is homed first, Y last.
  const auto z = rig_.machine.StepTimes(Axis::Z);
  const auto x = rig_.machine.StepTimes(Axis::X);
  const auto y = rig_.machine.StepTimes(Axis::Y);
  ASSERT_FALSE(z.empty());
  ASSERT_FALSE(x.empty());
  ASSERT_FALSE(y.empty());
  EXPECT_LT(z.back(), x.front());
  EXPECT_LT(x.back(), y.front());
  // One step per 753 µs plus the 60 µs pulse, seek and back-off alike.
  for (std::size_t i = 1; i < x.size(); ++i) EXPECT_GE(x[i] - x[i - 1], 753 + 60) << i;
  for (double position : rig_.state.Position) EXPECT_DOUBLE_EQ(position, 0);
}

TEST_F(HomingTest, WithTheLatchSetNoStepIsMadeButWiredAxesAreZeroed) {
  MachineParameters p = WiredAxes();
  p.LimitXInput = 0x08;
  rig_.Apply(p);
  rig_.state.Position = {12, 5, 1};
  rig_.state.StopFlag = true;

  const HomingResult result = HomeMachine(rig_.engine);

  EXPECT_EQ(result.outcome, HomingOutcome::kStopped);
  EXPECT_EQ(rig_.TotalSteps(), 0);
  EXPECT_DOUBLE_EQ(rig_.state.Position[0], 0);
  EXPECT_DOUBLE_EQ(rig_.state.Position[1], 5);
  EXPECT_TRUE(rig_.display.disc_red);
}

TEST_F(HomingTest, StopDuringTheSeekEndsItWithoutBackOff) {
  MachineParameters p = WiredAxes();
  p.LimitZInput = 0x40;
  rig_.Apply(p);
  rig_.machine.SetTravel(Axis::Z, -100000, 1000);
  rig_.host.trigger_at = 50;
  std::int64_t steps_at_stop = -1;
  rig_.host.action = [&] {
    rig_.state.StopFlag = true;
    steps_at_stop = rig_.machine.StepCount(Axis::Z);
  };

  const HomingResult result = HomeMachine(rig_.engine);

  EXPECT_EQ(result.outcome, HomingOutcome::kStopped);
  EXPECT_EQ(steps_at_stop, 50);
  EXPECT_EQ(rig_.machine.StepCount(Axis::Z), steps_at_stop);  // not one step after STOP
  EXPECT_EQ(result.backoff_steps[2], 0);
  EXPECT_DOUBLE_EQ(rig_.state.Position[2], 0);
}

TEST_F(HomingTest, EmergencyStopEndsTheCycleWithoutBackOff) {
  MachineParameters p = WiredAxes();
  p.LimitZInput = 0x40;
  p.EStopInput = 0x08;
  rig_.Apply(p);
  rig_.machine.SetTravel(Axis::Z, -100000, 1000);
  rig_.host.trigger_at = 10;
  rig_.host.action = [&] { rig_.machine.SetEStop(true); };

  const HomingResult result = HomeMachine(rig_.engine);

  EXPECT_EQ(result.outcome, HomingOutcome::kStopped);
  EXPECT_EQ(rig_.machine.StepCount(Axis::Z), 10);
  EXPECT_EQ(result.backoff_steps[2], 0);
  EXPECT_TRUE(rig_.state.StopFlag);
  EXPECT_TRUE(rig_.display.Lamp(Lamp::EStop));
}

TEST_F(HomingTest, ASwitchThatNeverClosesEndsTheSeekAfterTheLongestTravel) {
  MachineParameters p = WiredAxes();
  p.LimitYInput = 0x20;
  p.StepsPerMmY = 1;  // kMaxSeekTravelMm steps
  rig_.Apply(p);

  const HomingResult result = HomeMachine(rig_.engine);

  EXPECT_EQ(result.outcome, HomingOutcome::kStopped);
  EXPECT_EQ(result.seek_steps[1], static_cast<std::int64_t>(kMaxSeekTravelMm));
  EXPECT_TRUE(rig_.state.StopFlag);
}

TEST_F(HomingTest, NoMotionStartsInsideAnotherOne) {
  MachineParameters p = WiredAxes();
  p.LimitZInput = 0x40;
  rig_.Apply(p);
  rig_.machine.SetTravel(Axis::Z, -100000, 5);
  Jogger jogger(rig_.engine);
  ASSERT_TRUE(jogger.Press(JogDirection::kDroite));
  MoveOutcome nested_move = MoveOutcome::Completed;
  HomingOutcome nested_homing = HomingOutcome::kCompleted;
  JogStepOutcome nested_jog = JogStepOutcome::kStepped;
  // A click on "Aller à", "Zéro Machine" or a jog arrow while the move lets events run.
  rig_.host.trigger_at = 10;
  rig_.host.action = [&] {
    nested_move = rig_.engine.MoveTo(0, 5, 0);
    nested_homing = HomeMachine(rig_.engine).outcome;
    nested_jog = jogger.Step();
  };
  EXPECT_EQ(rig_.engine.MoveTo(10, 0, 0), MoveOutcome::Completed);
  EXPECT_EQ(nested_move, MoveOutcome::Refused);
  EXPECT_EQ(nested_homing, HomingOutcome::kRefused);
  EXPECT_EQ(nested_jog, JogStepOutcome::kBusy);
  EXPECT_EQ(rig_.display.message, kBusyMessage);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), 1333);
  EXPECT_EQ(rig_.machine.StepCount(Axis::Y), 0);
  EXPECT_EQ(rig_.machine.StepCount(Axis::Z), 0);
  EXPECT_FALSE(rig_.engine.Busy());
  // Once the move is over they run again.
  EXPECT_EQ(HomeMachine(rig_.engine).outcome, HomingOutcome::kCompleted);
  EXPECT_EQ(jogger.Step(), JogStepOutcome::kStepped);
}

TEST_F(HomingTest, ZeroAxisMakesOneAxisZeroAndShowsIt) {
  rig_.state.Position = {1.5, 2.5, -3};
  ZeroAxisY(rig_.engine);
  EXPECT_DOUBLE_EQ(rig_.state.Position[0], 1.5);
  EXPECT_DOUBLE_EQ(rig_.state.Position[1], 0);
  EXPECT_DOUBLE_EQ(rig_.state.Position[2], -3);
  EXPECT_EQ(rig_.display.positions, (std::vector<std::string>{"1.500", "0.000", "-3.000"}));
  EXPECT_EQ(rig_.TotalSteps(), 0);
}

}  // namespace
}  // namespace pistora
