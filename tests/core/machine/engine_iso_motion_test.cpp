#include "core/machine/engine_iso_motion.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/machine/iso_program.h"
#include "machine_fixture.h"

namespace pistora {
namespace {

using testing::SimulatedRig;
using testing::WiredAxes;

class EngineIsoMotionTest : public ::testing::Test {
 protected:
  EngineIsoMotionTest() : slider_(600, 150), motion_(rig_.engine, slider_) {
    slider_.SetChangeHandler([this](std::int32_t feed) { rig_.state.WorkFeed = feed; });
  }
  SimulatedRig rig_;
  FeedSlider slider_;
  EngineIsoMotion motion_;
};

TEST_F(EngineIsoMotionTest, TwoByTwoCopiesLandOnTheSimulatedMachine) {
  // A 30 x 20 mm rectangle engraved from the work zero.
  const std::vector<std::string> program = {
      "%", "G00 Z1", "G00 X0 Y0", "G01 Z-0.1", "G01 X30 Y0", "G01 X30 Y20",
      "G01 X0 Y20", "G01 X0 Y0", "G00 Z1", "M30"};
  const bool no_stop = false;
  const IsoAnalysis analysis = AnalyseIsoProgram(program, {}, 150, rig_.host, no_stop);
  ASSERT_DOUBLE_EQ(analysis.extent_x, 30);
  ASSERT_DOUBLE_EQ(analysis.extent_y, 20);

  std::vector<std::pair<std::int64_t, std::int64_t>> origins;
  const CopyGrid grid{2, 2, analysis.extent_x, analysis.extent_y, 5};
  const bool ran = RunStartSequence(
      grid,
      [&] {
        origins.emplace_back(rig_.machine.PositionSteps(Axis::X), rig_.machine.PositionSteps(Axis::Y));
        return RunIsoProgram(program, motion_, rig_.host).outcome == IsoRunOutcome::kCompleted;
      },
      motion_);
  ASSERT_TRUE(ran);
  ASSERT_EQ(origins.size(), 4u);
  const double s = 133.3333;
  const std::pair<double, double> expected[] = {{0, 0}, {35, 0}, {0, 25}, {35, 25}};
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(origins[i].first / s, expected[i].first, 1.0 / s);
    EXPECT_NEAR(origins[i].second / s, expected[i].second, 1.0 / s);
  }
  // The work zero walked back to the first copy, and so did the tool.
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), 0);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Y), 0);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Z), 0);
  for (double position : rig_.state.Position) EXPECT_NEAR(position, 0, 1e-9);
}

// A target beyond any machine's reach refuses the program and its remaining copies before the
// first move, and the message names the line; the program's feed word is never taken.
TEST_F(EngineIsoMotionTest, AFarTargetRefusesTheProgramAndItsCopies) {
  const std::vector<std::string> program = {"G00 Z1 F300", "G01 X5", "G01 X99999999", "G01 X0 Y0"};
  std::vector<IsoRunResult> runs;
  const bool ran = RunStartSequence(
      {2, 2, 30, 20, 5},
      [&] {
        runs.push_back(RunIsoProgram(program, motion_, rig_.host));
        return runs.back().outcome == IsoRunOutcome::kCompleted;
      },
      motion_);
  EXPECT_FALSE(ran);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].outcome, IsoRunOutcome::kRefused);
  EXPECT_EQ(runs[0].status.message().rfind("Ligne 3 du programme : le mot X \xC2\xAB 99999999 \xC2\xBB d\xC3\xA9passe 10 m", 0), 0u)
      << runs[0].status.message();
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), 0);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Z), 0);
  EXPECT_EQ(rig_.state.WorkFeed, 150);
  EXPECT_EQ(slider_.Position(), 150);
}

TEST_F(EngineIsoMotionTest, TheGoldenBoardEndsWhereItsProgramEnds) {
  std::vector<std::string> program;
  ASSERT_TRUE(LoadIsoProgram(std::string(PISTORA_DEFAULT_SOURCE_DIR) + "/tests/golden/tiny-board-gravure.iso",
                             &program));
  const IsoRunResult result = RunIsoProgram(program, motion_, rig_.host);
  ASSERT_EQ(result.outcome, IsoRunOutcome::kCompleted) << result.status.message();
  EXPECT_EQ(rig_.state.WorkFeed, 350);  // its F350
  // The last move is "G00 X0.000 Y0.000" at Z 1.5.
  EXPECT_EQ(rig_.display.positions, (std::vector<std::string>{"0.000", "0.000", "1.500"}));
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), 0);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Y), 0);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Z), 200);  // round(1.5 x 133.3333)
  EXPECT_GT(rig_.machine.StepCount(Axis::X), 100);
}

TEST_F(EngineIsoMotionTest, FeedWordsAreAlwaysLimitedToTheSliderRange) {
  const struct {
    int feed;
    int expected;
  } rows[] = {{300, 300}, {900, 600}, {900, 600}, {0, 1}, {0, 1}, {-20, 1}, {150, 150}};
  int shown = -1;
  motion_.SetFeedShown([&](int feed) { shown = feed; });
  for (const auto& row : rows) {
    SCOPED_TRACE(row.feed);
    motion_.SetFeedFromProgram(row.feed);
    EXPECT_EQ(rig_.state.WorkFeed, row.expected);
    EXPECT_EQ(slider_.Position(), row.expected);
    EXPECT_EQ(shown, row.expected);
  }
}

TEST_F(EngineIsoMotionTest, AnFZeroLineStillMovesAtTheSlowestFeed) {
  const std::vector<std::string> program = {"G01 X0.1 F0"};
  const IsoRunResult result = RunIsoProgram(program, motion_, rig_.host);
  EXPECT_EQ(result.outcome, IsoRunOutcome::kCompleted);
  EXPECT_EQ(rig_.state.WorkFeed, 1);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::X), 13);
}

TEST_F(EngineIsoMotionTest, ZeroingAndLinesGoToTheMachine) {
  rig_.state.Position = {4, 5, 6};
  motion_.ZeroAxisX();
  motion_.ZeroAxisZ();
  EXPECT_EQ(motion_.CurrentPosition(), (ToolPosition{0, 5, 0}));
  motion_.ShowLine("Exécution instruction : G00 X1");
  EXPECT_EQ(rig_.display.message, "Exécution instruction : G00 X1");
  EXPECT_FALSE(motion_.StopLatched());
  rig_.state.StopFlag = true;
  EXPECT_TRUE(motion_.StopLatched());
}

TEST(StatusTimerTest, LampsFollowTheWiredSwitchesAndTheEmergencyStopLatches) {
  SimulatedRig rig;
  MachineParameters p = WiredAxes();
  p.LimitXInput = 0x08;
  p.LimitZInput = 0x40;
  p.EStopInput = 0x80;
  rig.Apply(p);
  rig.machine.SetTravel(Axis::X, 0, 100);  // X stands on its minimum switch
  EXPECT_FALSE(StatusTimerTick(rig.engine));
  EXPECT_TRUE(rig.display.Lamp(Lamp::LimitX));
  EXPECT_FALSE(rig.display.Lamp(Lamp::LimitZ));
  EXPECT_FALSE(rig.state.StopFlag);  // a limit switch alone never latches here

  rig.machine.SetEStop(true);
  EXPECT_TRUE(StatusTimerTick(rig.engine));
  EXPECT_TRUE(rig.display.Lamp(Lamp::EStop));
  EXPECT_TRUE(rig.state.StopFlag);
  EXPECT_TRUE(rig.display.disc_red);
}

TEST(StatusTimerTest, UnwiredSwitchesAreNotRead) {
  SimulatedRig rig;
  MachineParameters p = WiredAxes();
  p.LimitYInverted = true;  // would read active, but Y is not wired
  rig.Apply(p);
  EXPECT_FALSE(StatusTimerTick(rig.engine));
  EXPECT_FALSE(rig.display.Lamp(Lamp::LimitY));
  EXPECT_FALSE(rig.state.StopFlag);
}

}  // namespace
}  // namespace pistora
