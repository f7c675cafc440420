#include "core/machine/jogging.h"

#include <gtest/gtest.h>

#include "machine_fixture.h"

namespace pistora {
namespace {

using testing::SimulatedRig;
using testing::WiredAxes;

TEST(JogDirectionTest, TextsNameTheSixArrows) {
  const struct {
    const char* text;
    JogDirection direction;
    Axis axis;
    bool positive;
  } rows[] = {{"droite", JogDirection::kDroite, Axis::X, true},
              {"gauche", JogDirection::kGauche, Axis::X, false},
              {"devant", JogDirection::kDevant, Axis::Y, true},
              {"derriere", JogDirection::kDerriere, Axis::Y, false},
              {"haut", JogDirection::kHaut, Axis::Z, true},
              {"bas", JogDirection::kBas, Axis::Z, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(JogDirectionFromText(row.text), row.direction);
    EXPECT_EQ(JogDirectionText(row.direction), row.text);
    EXPECT_EQ(JogAxisOf(row.direction).axis, row.axis);
    EXPECT_EQ(JogAxisOf(row.direction).positive, row.positive);
  }
  EXPECT_EQ(JogDirectionFromText("Droite"), JogDirection::kNone);
  EXPECT_EQ(JogDirectionText(JogDirection::kNone), "");
}

TEST(JogStepPeriodTest, FollowsTheFeedAndTheAxisScale) {
  EXPECT_EQ(JogStepPeriodUs(150, 133.3333), 3000);
  EXPECT_EQ(JogStepPeriodUs(600, 133.3333), 750);
  EXPECT_EQ(JogStepPeriodUs(150, 400), 1000);
  EXPECT_EQ(JogStepPeriodUs(0, 133.3333), 0);
  EXPECT_EQ(JogStepPeriodUs(-5, 133.3333), 0);
  EXPECT_EQ(JogStepPeriodUs(150, 0), 0);
}

TEST(JogScheduleTest, KeepsTheGridAndRestartsAfterALongStall) {
  JogSchedule schedule(3000);
  schedule.Start(1000);
  EXPECT_EQ(schedule.Next(1200), 4000);   // the step took 200 µs: still due on the grid
  EXPECT_EQ(schedule.Next(4500), 7000);   // a little late: the grid is kept
  EXPECT_EQ(schedule.Next(20000), 20000); // far behind: no burst of catch-up steps
  EXPECT_EQ(schedule.Next(20010), 23000);
}

class JoggerTest : public ::testing::Test {
 protected:
  JoggerTest() : jogger_(rig_.engine) {}
  SimulatedRig rig_;
  Jogger jogger_;
};

TEST_F(JoggerTest, HoldingXPlusFor1333StepsShowsNinePointNineNineEight) {
  ASSERT_TRUE(jogger_.Press(JogDirection::kDroite));
  EXPECT_EQ(jogger_.StepPeriodUs(), 3000);
  for (int i = 0; i < 1333; ++i) ASSERT_EQ(jogger_.Step(), JogStepOutcome::kStepped);
  EXPECT_TRUE(jogger_.Release());
  EXPECT_EQ(rig_.display.positions[0], "9.998");
  EXPECT_NEAR(rig_.state.Position[0], 1333 / 133.3333, 1e-12);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), 1333);
  EXPECT_FALSE(jogger_.Held());
}

TEST_F(JoggerTest, EachArrowUsesItsOwnAxisScale) {
  MachineParameters p = WiredAxes();
  p.StepsPerMmZ = 400;
  rig_.Apply(p);
  ASSERT_TRUE(jogger_.Press(JogDirection::kBas));
  EXPECT_EQ(jogger_.StepPeriodUs(), 1000);
  for (int i = 0; i < 200; ++i) jogger_.Step();
  jogger_.Release();
  EXPECT_DOUBLE_EQ(rig_.state.Position[2], -0.5);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Z), -200);
}

TEST_F(JoggerTest, WithTheLatchSetNothingMovesAndReleaseKeepsThePosition) {
  rig_.state.Position = {1, 2, 3};
  rig_.state.StopFlag = true;
  ASSERT_TRUE(jogger_.Press(JogDirection::kDevant));
  EXPECT_EQ(jogger_.Step(), JogStepOutcome::kBlocked);
  EXPECT_EQ(jogger_.Step(), JogStepOutcome::kBlocked);
  jogger_.Release();
  EXPECT_EQ(rig_.TotalSteps(), 0);
  EXPECT_EQ(rig_.state.Position, (std::array<double, 3>{1, 2, 3}));
}

TEST_F(JoggerTest, AClosedSwitchBacksOff667StepsCountedInThePosition) {
  MachineParameters p = WiredAxes();
  p.LimitXInput = 0x08;
  rig_.Apply(p);
  rig_.machine.SetTravel(Axis::X, -10, 100000);
  ASSERT_TRUE(jogger_.Press(JogDirection::kGauche));
  int stepped = 0;
  JogStepOutcome outcome;
  while ((outcome = jogger_.Step()) == JogStepOutcome::kStepped) ++stepped;
  EXPECT_EQ(stepped, 10);
  EXPECT_EQ(outcome, JogStepOutcome::kBackedOff);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), -10 + 667);
  EXPECT_TRUE(rig_.state.StopFlag);
  EXPECT_TRUE(rig_.display.disc_red);
  EXPECT_EQ(jogger_.Step(), JogStepOutcome::kBlocked);  // latched until "Raz"
  jogger_.Release();
  // The shown position is the tool's place, back-off included.
  EXPECT_NEAR(rig_.state.Position[0], 657 / 133.3333, 1e-12);
  const auto times = rig_.machine.StepTimes(Axis::X);
  for (std::size_t i = times.size() - 667 + 1; i < times.size(); ++i)
    EXPECT_GE(times[i] - times[i - 1], 753 + 60);
}

// After "Raz" with the switch still closed: a jog away from it moves, a jog toward it backs off
// again and latches; the side was learnt when the switch closed during the first jog.
TEST_F(JoggerTest, AfterRazAJogLeavesAClosedSwitchButNeverPushesIntoIt) {
  MachineParameters p = WiredAxes();
  p.LimitXInput = 0x08;
  rig_.Apply(p);
  rig_.machine.SetTravel(Axis::X, -100000, 10);  // the switch at the + end
  ASSERT_TRUE(jogger_.Press(JogDirection::kDroite));
  while (jogger_.Step() == JogStepOutcome::kStepped) {
  }
  jogger_.Release();
  EXPECT_EQ(rig_.state.LimitSide[0], 1);
  // Back onto the switch by hand (the back-off left it), then "Raz".
  rig_.machine.SetTravel(Axis::X, -100000, rig_.machine.PositionSteps(Axis::X));
  rig_.state.StopFlag = false;
  const std::int64_t on_switch = rig_.machine.PositionSteps(Axis::X);
  ASSERT_TRUE(jogger_.Press(JogDirection::kGauche));
  for (int i = 0; i < 20; ++i) ASSERT_EQ(jogger_.Step(), JogStepOutcome::kStepped);
  jogger_.Release();
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), on_switch - 20);
  rig_.machine.SetTravel(Axis::X, -100000, rig_.machine.PositionSteps(Axis::X));
  ASSERT_TRUE(jogger_.Press(JogDirection::kDroite));
  EXPECT_EQ(jogger_.Step(), JogStepOutcome::kBackedOff);
  EXPECT_LT(rig_.machine.PositionSteps(Axis::X), on_switch - 20);  // away from the switch only
  EXPECT_TRUE(rig_.state.StopFlag);
}

TEST_F(JoggerTest, AnUnwiredSwitchMarkedInvertedBacksOffAtOnce) {
  MachineParameters p = WiredAxes();
  p.LimitXInverted = true;  // mask 0: the bit always reads 1, so the switch counts as active
  rig_.Apply(p);
  ASSERT_TRUE(jogger_.Press(JogDirection::kDroite));
  EXPECT_EQ(jogger_.Step(), JogStepOutcome::kBackedOff);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), -667);
  EXPECT_TRUE(rig_.state.StopFlag);

  p.LimitXInverted = false;
  rig_.Apply(p);
  rig_.state.StopFlag = false;
  ASSERT_TRUE(jogger_.Press(JogDirection::kDroite));
  for (int i = 0; i < 50; ++i) EXPECT_EQ(jogger_.Step(), JogStepOutcome::kStepped);
}

TEST_F(JoggerTest, ReleaseDuringTheBackOffWaitsForItsEnd) {
  MachineParameters p = WiredAxes();
  p.LimitYInput = 0x10;
  rig_.Apply(p);
  rig_.machine.SetTravel(Axis::Y, -100000, 0);  // already on the switch
  ASSERT_TRUE(jogger_.Press(JogDirection::kDevant));
  rig_.host.trigger_at = 100;
  rig_.host.action = [&] { jogger_.Release(); };
  EXPECT_EQ(jogger_.Step(), JogStepOutcome::kBackedOff);
  EXPECT_FALSE(jogger_.Held());
  EXPECT_NEAR(rig_.state.Position[1], -667 / 133.3333, 1e-12);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Y), -667);
}

TEST_F(JoggerTest, StopDuringTheBackOffCutsItShort) {
  MachineParameters p = WiredAxes();
  p.LimitZInput = 0x40;
  rig_.Apply(p);
  rig_.machine.SetTravel(Axis::Z, -100000, 0);
  ASSERT_TRUE(jogger_.Press(JogDirection::kHaut));
  rig_.host.trigger_at = 40;
  rig_.host.action = [&] { rig_.state.StopFlag = true; };
  EXPECT_EQ(jogger_.Step(), JogStepOutcome::kBackedOff);
  EXPECT_EQ(rig_.machine.StepCount(Axis::Z), 40);
  jogger_.Release();
  EXPECT_NEAR(rig_.state.Position[2], -40 / 133.3333, 1e-12);
}

TEST_F(JoggerTest, EmergencyStopLatchesWithoutMoving) {
  MachineParameters p = WiredAxes();
  p.EStopInput = 0x80;
  rig_.Apply(p);
  rig_.machine.SetEStop(true);
  ASSERT_TRUE(jogger_.Press(JogDirection::kDroite));
  EXPECT_EQ(jogger_.Step(), JogStepOutcome::kEStopped);
  EXPECT_EQ(rig_.TotalSteps(), 0);
  EXPECT_TRUE(rig_.state.StopFlag);
}

TEST_F(JoggerTest, NoFeedRefusesThePress) {
  rig_.state.WorkFeed = 0;
  EXPECT_FALSE(jogger_.Press(JogDirection::kDroite));
  EXPECT_EQ(jogger_.Step(), JogStepOutcome::kIdle);
  EXPECT_EQ(rig_.TotalSteps(), 0);
}

}  // namespace
}  // namespace pistora
