#include "core/machine/motion_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/machine/machine_fixture.h"
#include "core/machine/recording_port.h"
#include "hw/simulated_machine.h"
#include "hw/virtual_clock.h"

namespace pistora {
namespace {

using testing::RecordingDisplay;
using testing::RecordingPort;

using ScriptedHost = testing::CountingHost;
using testing::WiredAxes;

std::int64_t TotalStepsOf(const SimulatedMachine& machine) {
  return machine.StepCount(Axis::X) + machine.StepCount(Axis::Y) + machine.StepCount(Axis::Z);
}

class MotionEngineTest : public ::testing::Test {
 protected:
  MotionEngineTest()
      : machine_(clock_), layer_(machine_, clock_, display_),
        engine_(state_, layer_, clock_, host_, display_) {
    layer_.SetSignalMapListener(
        [this](const SignalMap& m, std::uint16_t base) { machine_.Configure(m, base); });
    layer_.StartPortDriver();
    engine_.ApplyParameters(WiredAxes());
    state_.WorkFeed = 150;
  }

  void Apply(const MachineParameters& p) { engine_.ApplyParameters(p); }

  VirtualClock clock_;
  SimulatedMachine machine_;
  RecordingDisplay display_;
  ScriptedHost host_;
  MachineState state_;
  PortLayer layer_;
  MotionEngine engine_;
};

// Each step lands within one 50 µs tick after its ideal time: first step + n x period.
void ExpectStepsOnSchedule(const std::vector<std::int64_t>& times, std::int64_t period) {
  ASSERT_FALSE(times.empty());
  for (std::size_t j = 1; j < times.size(); ++j) {
    const std::int64_t offset = times[j] - times[0] - static_cast<std::int64_t>(j) * period;
    ASSERT_GT(offset, -50) << "step " << j;
    ASSERT_LT(offset, 50) << "step " << j;
    // Between steps: whole ticks plus the previous pulse.
    ASSERT_EQ((times[j] - times[j - 1] - 60) % 50, 0) << "step " << j;
  }
}

TEST(MovePlan, SharesOneDurationBetweenTheAxes) {
  const std::array<double, 3> scale = {133.3333, 133.3333, 133.3333};
  MovePlan plan = PlanMove({0, 0, 0}, {10, 0, 0}, 150, scale);
  EXPECT_DOUBLE_EQ(plan.duration_s, 4.0);
  EXPECT_EQ(plan.axis[0].steps, 1333);
  EXPECT_EQ(plan.axis[0].period, 3001);
  EXPECT_EQ(plan.axis[1].steps, 0);
  EXPECT_EQ(plan.axis[1].period, 0);

  plan = PlanMove({0, 0, 0}, {10, 5, 0}, 150, scale);
  EXPECT_NEAR(plan.length_mm, 11.1803, 1e-4);
  EXPECT_NEAR(plan.duration_s, 4.4721, 1e-4);
  EXPECT_EQ(plan.axis[0].steps, 1333);
  EXPECT_EQ(plan.axis[0].period, 3355);
  EXPECT_EQ(plan.axis[1].steps, 667);
  EXPECT_EQ(plan.axis[1].period, 6705);

  // Steps round halves to even: 0.5 step is none, 1.5 steps are two.
  plan = PlanMove({0, 0, 0}, {0.5, -1.5, 2.5}, 150, {1, 1, 1});
  EXPECT_EQ(plan.axis[0].steps_signed, 0);
  EXPECT_EQ(plan.axis[1].steps_signed, -2);
  EXPECT_EQ(plan.axis[2].steps_signed, 2);
}

TEST_F(MotionEngineTest, TenMillimetresOnXMake1333StepsEvery3001Microseconds) {
  EXPECT_EQ(engine_.MoveTo(10, 0, 0), MoveOutcome::Completed);
  EXPECT_EQ(machine_.PositionSteps(Axis::X), 1333);
  EXPECT_EQ(machine_.StepCount(Axis::Y) + machine_.StepCount(Axis::Z), 0);
  EXPECT_DOUBLE_EQ(state_.Position[0], 1333 / 133.3333);
  EXPECT_EQ(display_.positions, (std::vector<std::string>{"9.998", "0.000", "0.000"}));
  EXPECT_DOUBLE_EQ(state_.LastMoveLength, 10.0);
  ExpectStepsOnSchedule(machine_.StepTimes(Axis::X), 3001);
  EXPECT_EQ(display_.real_feed, "150");
  // One pump per tick: 1333 steps over 4 s of 50 µs ticks, less the pulse time.
  EXPECT_NEAR(host_.pumps, (1333 * 3001 - 1333 * 60) / 50, 60);
}

TEST_F(MotionEngineTest, DiagonalMoveStepsBothAxesOnTheirOwnPeriods) {
  EXPECT_EQ(engine_.MoveTo(10, 5, 0), MoveOutcome::Completed);
  EXPECT_EQ(machine_.PositionSteps(Axis::X), 1333);
  EXPECT_EQ(machine_.PositionSteps(Axis::Y), 667);
  EXPECT_EQ(display_.positions, (std::vector<std::string>{"9.998", "5.003", "0.000"}));
  const auto x = machine_.StepTimes(Axis::X);
  const auto y = machine_.StepTimes(Axis::Y);
  // Every pulse counts on every axis, so both keep their schedule and end together.
  for (std::size_t j = 1; j < x.size(); ++j) {
    ASSERT_NEAR(static_cast<double>(x[j] - x[0]), static_cast<double>(j) * 3355, 110) << j;
  }
  for (std::size_t j = 1; j < y.size(); ++j) {
    ASSERT_NEAR(static_cast<double>(y[j] - y[0]), static_cast<double>(j) * 6705, 110) << j;
  }
  EXPECT_NEAR(static_cast<double>(x.back() - y.back()), 0.0, 110);
}

TEST_F(MotionEngineTest, TinyDeltasRoundToStepsButAlwaysSetTheDirection) {
  struct Row {
    double target;
    std::int64_t steps;
    bool direction_bit;  // DirX is not inverted: set = positive
    const char* shown;
  };
  const Row rows[] = {
      {0.003, 0, true, "0.000"},     // 0.40 step: none, positive
      {-0.003, 0, false, "0.000"},   // none, yet negative
      {-0.004, -1, false, "-0.008"}, // 0.53 step: one, negative
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.target);
    state_.Position = {0, 0, 0};
    machine_.ClearEdges();
    const std::int64_t before = machine_.PositionSteps(Axis::X);
    engine_.MoveTo(r.target, 0, 0);
    EXPECT_EQ(machine_.PositionSteps(Axis::X) - before, r.steps);
    EXPECT_EQ((layer_.OutputShadow() & 0x02) != 0, r.direction_bit);
    EXPECT_EQ(display_.positions[0], r.shown);
  }
}

TEST_F(MotionEngineTest, DirectionsAreSetXYZWithZeroDeltaPositive) {
  RecordingPort port(clock_);
  PortLayer layer(port, clock_, display_);
  layer.StartPortDriver();
  MotionEngine engine(state_, layer, clock_, host_, display_);
  engine.ApplyParameters(WiredAxes());
  engine.MoveTo(-1, 1, 0);
  ASSERT_GE(port.writes.size(), 3u);
  EXPECT_EQ(port.writes[0].value, 0x00);  // X negative: bit 0x02 clear
  EXPECT_EQ(port.writes[1].value, 0x08);  // Y positive
  EXPECT_EQ(port.writes[2].value, 0x28);  // Z unchanged counts as positive
}

TEST_F(MotionEngineTest, NoMoveMeansNoTickAndNoRealFeedFigure) {
  state_.Position = {1, 2, 3};
  EXPECT_EQ(engine_.MoveTo(1, 2, 3), MoveOutcome::Completed);
  EXPECT_EQ(host_.pumps, 0);
  EXPECT_EQ(machine_.StepCount(Axis::X), 0);
  EXPECT_EQ(display_.real_feed, "-");
  EXPECT_EQ(display_.positions, (std::vector<std::string>{"1.000", "2.000", "3.000"}));
}

TEST_F(MotionEngineTest, ALatchedStopEndsTheMoveInItsFirstTick) {
  state_.StopFlag = true;
  const std::int64_t start = clock_.PeekMicros();
  EXPECT_EQ(engine_.MoveTo(10, 0, 0), MoveOutcome::Stopped);
  EXPECT_EQ(machine_.StepCount(Axis::X), 0);
  EXPECT_EQ(host_.pumps, 1);
  EXPECT_TRUE(display_.disc_red);
  EXPECT_LT(clock_.PeekMicros() - start, 100);
  EXPECT_EQ(state_.Position[0], 0.0);
  EXPECT_TRUE(state_.StopFlag);
}

TEST_F(MotionEngineTest, StopDuringAMoveLeavesThePositionWhereTheToolIs) {
  host_.trigger_at = 20000;
  host_.action = [this] { state_.StopFlag = true; };
  EXPECT_EQ(engine_.MoveTo(10, -5, 0), MoveOutcome::Stopped);
  EXPECT_EQ(host_.pumps, 20000);
  const std::int64_t x = machine_.PositionSteps(Axis::X);
  const std::int64_t y = machine_.PositionSteps(Axis::Y);
  EXPECT_GT(x, 100);
  EXPECT_LT(x, 1333);
  EXPECT_LT(y, -50);
  EXPECT_DOUBLE_EQ(state_.Position[0], x / 133.3333);
  EXPECT_DOUBLE_EQ(state_.Position[1], y / 133.3333);
  EXPECT_EQ(engine_.LastMoveSteps()[1], y);
  EXPECT_TRUE(display_.disc_red);

  // The latch outlives the move.
  EXPECT_EQ(engine_.MoveTo(0, 0, 0), MoveOutcome::Stopped);
  EXPECT_EQ(machine_.PositionSteps(Axis::X), x);
}

TEST_F(MotionEngineTest, ALimitSwitchStopsTheMoveWithinOneTick) {
  for (bool inverted : {false, true}) {
    SCOPED_TRACE(inverted);
    MachineParameters p = WiredAxes();
    p.LimitXInput = 0x08;
    p.LimitXInverted = inverted;
    Apply(p);
    state_.WorkFeed = 150;
    state_.StopFlag = false;
    state_.LastMoveLength = 0;
    state_.MoveStartMs = state_.MoveEndMs = 0;
    state_.Parameters = p;
    const std::int64_t start_steps = machine_.PositionSteps(Axis::X);
    machine_.SetTravel(Axis::X, -1000000, start_steps + 100);
    long pumps_at_limit = -1;
    host_.pumps = 0;
    host_.trigger_at = 1;
    host_.action = [&] {
      host_.trigger_at = host_.pumps + 1;  // watch every pump
      if (pumps_at_limit < 0 && machine_.LimitActive(Axis::X)) pumps_at_limit = host_.pumps;
    };
    display_.disc_red = false;
    EXPECT_EQ(engine_.MoveTo(state_.Position[0] + 10, 0, 0), MoveOutcome::Stopped);
    EXPECT_EQ(machine_.PositionSteps(Axis::X), start_steps + 100);
    EXPECT_TRUE(state_.StopFlag);
    EXPECT_TRUE(display_.Lamp(Lamp::LimitX));
    EXPECT_TRUE(display_.disc_red);
    EXPECT_EQ(host_.pumps, pumps_at_limit);  // the tick after the closing step was the last
    EXPECT_EQ(engine_.LastMoveSteps()[0], 100);
  }
}

// After "Raz" with a switch still closed: toward it is refused, away from it or along another
// axis moves, and a switch of an axis that does not move still stops the move.
TEST_F(MotionEngineTest, AfterRazAMoveTowardAClosedSwitchIsRefusedAndAwayIsAllowed) {
  MachineParameters p = WiredAxes();
  p.LimitXInput = 0x08;
  p.LimitYInput = 0x10;
  Apply(p);
  machine_.SetTravel(Axis::X, -1000000, 100);
  ASSERT_EQ(engine_.MoveTo(10, 0, 0), MoveOutcome::Stopped);
  ASSERT_EQ(machine_.PositionSteps(Axis::X), 100);
  EXPECT_EQ(state_.StopReason, std::string(kLimitStopMessage) + "X.");
  EXPECT_EQ(display_.message, state_.StopReason);

  state_.StopFlag = false;  // "Raz"
  const std::array<double, 3> at_switch = state_.Position;
  struct Row {
    const char* name;
    std::array<double, 3> target;
    MoveOutcome outcome;
    std::int64_t x_steps_after;
  };
  const Row rows[] = {
      {"further into the switch", {at_switch[0] + 1, 0, 0}, MoveOutcome::Refused, 100},
      {"diagonal into the switch", {at_switch[0] + 1, 1, 0}, MoveOutcome::Refused, 100},
      {"along Y only", {at_switch[0], 2, 0}, MoveOutcome::Completed, 100},
      {"away from the switch", {at_switch[0] - 5, 2, 0}, MoveOutcome::Completed, 100 - 667},
      {"back onto the switch", {at_switch[0] + 1, 2, 0}, MoveOutcome::Stopped, 100},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    state_.StopFlag = false;
    const std::int64_t before = TotalStepsOf(machine_);
    EXPECT_EQ(engine_.MoveTo(row.target[0], row.target[1], row.target[2]), row.outcome);
    EXPECT_EQ(machine_.PositionSteps(Axis::X), row.x_steps_after);
    if (row.outcome == MoveOutcome::Refused) {
      EXPECT_EQ(TotalStepsOf(machine_), before);
      EXPECT_EQ(display_.message, std::string(kTowardLimitMessage) + "X.");
      EXPECT_FALSE(state_.StopFlag);
    }
  }

  // The Y switch closes while only X moves: the move stops all the same.
  state_.StopFlag = false;
  ASSERT_EQ(engine_.MoveTo(at_switch[0] - 5, 2, 0), MoveOutcome::Completed);
  host_.pumps = 0;
  host_.trigger_at = 200;
  host_.action = [this] { machine_.SetTravel(Axis::Y, -1000000, 0); };
  EXPECT_EQ(engine_.MoveTo(at_switch[0] - 15, 2, 0), MoveOutcome::Stopped);
  EXPECT_EQ(state_.StopReason, std::string(kLimitStopMessage) + "Y.");
  EXPECT_LE(host_.pumps, 201);
}

TEST_F(MotionEngineTest, TheEmergencyStopLatchesWithOrWithoutLimitSwitches) {
  for (std::uint8_t limit_mask : {std::uint8_t{0}, std::uint8_t{0x10}}) {
    SCOPED_TRACE(int(limit_mask));
    MachineParameters p = WiredAxes();
    p.EStopInput = 0x80;
    p.LimitXInput = limit_mask;
    Apply(p);
    state_.StopFlag = false;
    machine_.SetEStop(false);
    host_.pumps = 0;
    host_.trigger_at = 300;
    host_.action = [this] { machine_.SetEStop(true); };
    const std::int64_t before = machine_.StepCount(Axis::X);
    EXPECT_EQ(engine_.MoveTo(state_.Position[0] + 10, 0, 0), MoveOutcome::Stopped);
    EXPECT_TRUE(state_.StopFlag);
    EXPECT_TRUE(display_.Lamp(Lamp::EStop));
    EXPECT_FALSE(display_.Lamp(Lamp::LimitX));
    // 300 ticks are 15 ms: at most a few steps of 3 ms before the next step reads the input.
    EXPECT_LE(machine_.StepCount(Axis::X) - before, 8);
  }
}

TEST_F(MotionEngineTest, APortThatVanishesStopsTheMoveAndSaysSo) {
  host_.trigger_at = 1000;
  host_.action = [this] { machine_.SetDisconnected(true); };
  EXPECT_EQ(engine_.MoveTo(10, 0, 0), MoveOutcome::Stopped);
  EXPECT_TRUE(state_.StopFlag);
  EXPECT_EQ(display_.message.rfind(kPortLostMessage, 0), 0u) << display_.message;
  // The first step after the cut fails and ends the move (steps come every ~60 ticks).
  EXPECT_LE(host_.pumps, 1000 + 62);
  EXPECT_GT(machine_.PositionSteps(Axis::X), 10);
  EXPECT_DOUBLE_EQ(state_.Position[0], machine_.PositionSteps(Axis::X) / 133.3333);
}

TEST_F(MotionEngineTest, NoFeedOrNoNumberRefusesTheMoveAndSaysWhy) {
  for (std::int32_t feed : {0, -20}) {
    state_.WorkFeed = feed;
    EXPECT_EQ(engine_.MoveTo(10, 0, 0), MoveOutcome::Refused);
    EXPECT_EQ(display_.message, kNoFeedMessage);
  }
  state_.WorkFeed = 150;
  EXPECT_EQ(engine_.MoveTo(std::nan(""), 0, 0), MoveOutcome::Refused);
  EXPECT_EQ(display_.message, kBadTargetMessage);
  EXPECT_TRUE(machine_.Edges().empty());
  EXPECT_EQ(state_.Position, (std::array<double, 3>{0, 0, 0}));
  EXPECT_EQ(host_.pumps, 0);
}

TEST_F(MotionEngineTest, WithoutAHighResolutionClockTicksDoNotWaitButStepsAreAllMade) {
  clock_.SetHighResolution(false);
  const std::int64_t start = clock_.PeekMicros();
  EXPECT_EQ(engine_.MoveTo(1, 1, 1), MoveOutcome::Completed);
  EXPECT_EQ(machine_.PositionSteps(Axis::Z), 133);
  // Only the clock reads of the timestamps and tick counts remain.
  EXPECT_LT(clock_.PeekMicros() - start, 2000);
}

}  // namespace
}  // namespace pistora
