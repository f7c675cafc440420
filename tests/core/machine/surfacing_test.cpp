#include "core/machine/surfacing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/machine/fake_iso_motion.h"

namespace pistora {
namespace {

SurfacingPattern Pattern(double size_x, double size_y, double step_over, double depth = 0.4) {
  return {.size_x = size_x, .size_y = size_y, .pass_depth = depth, .step_over = step_over};
}

TEST(Surfacing, PassesAlternateAndTheLastStepOverIsClamped) {
  FakeIsoMotion motion;
  NullHost host;
  EXPECT_EQ(RunSurfacing(Pattern(10, 2.5, 1), motion, host), SurfacingOutcome::kDone);
  const std::vector<ToolPosition> expected = {
      {0, 0, -0.4},                // plunge, then Z becomes 0 there
      {10, 0, 0}, {10, 1, 0},      // outward at y 0, step-over to 1
      {0, 1, 0},  {0, 2, 0},       // back at y 1, step-over to 2
      {10, 2, 0}, {10, 2.5, 0},    // outward at y 2, step-over clamped to 2.5
      {0, 0, 0},                   // straight return
  };
  EXPECT_EQ(motion.targets, expected);
  EXPECT_EQ(motion.events[1], "zeroZ");
  EXPECT_DOUBLE_EQ(motion.work_zero.z, -0.4);  // the cutting height is the new Z 0
}

TEST(Surfacing, NoPassWhenSizeYIsNotPositive) {
  for (const double size_y : {0.0, -3.0}) {
    SCOPED_TRACE(size_y);
    FakeIsoMotion motion;
    NullHost host;
    EXPECT_EQ(RunSurfacing(Pattern(10, size_y, 1), motion, host), SurfacingOutcome::kDone);
    EXPECT_EQ(motion.targets, (std::vector<ToolPosition>{{0, 0, -0.4}, {0, 0, 0}}));
    EXPECT_EQ(motion.events, (std::vector<std::string>{"move", "zeroZ", "move"}));
  }
}

TEST(Surfacing, DefaultTableTakes151PassesAndReturnsDiagonally) {
  FakeIsoMotion motion;
  NullHost host;
  EXPECT_EQ(RunSurfacing(SurfacingPattern{}, motion, host), SurfacingOutcome::kDone);
  ASSERT_EQ(motion.targets.size(), 1u + 151u * 2u + 1u);
  // The last pass (y = 150) runs outward; its step-over ends at the far corner.
  const std::size_t last_pass = motion.targets.size() - 3;
  EXPECT_EQ(motion.targets[last_pass], (ToolPosition{200.5, 150, 0}));
  EXPECT_EQ(motion.targets[last_pass + 1], (ToolPosition{200.5, 150.5, 0}));
  EXPECT_EQ(motion.targets.back(), (ToolPosition{0, 0, 0}));
}

TEST(Surfacing, StopEndsThePassesAndTheReturnIsCutShort) {
  FakeIsoMotion motion;
  motion.stop_after_moves = 4;  // during the second pass
  NullHost host;
  EXPECT_EQ(RunSurfacing(Pattern(10, 100, 1), motion, host), SurfacingOutcome::kStopped);
  EXPECT_EQ(motion.targets.size(), 6u);  // the pass's step-over and the return are asked for
  EXPECT_EQ(motion.targets.back(), (ToolPosition{0, 0, 0}));
  EXPECT_EQ(motion.CurrentPosition(), (ToolPosition{0, 1, 0}));  // the latch held the tool
}

TEST(Surfacing, StepOverThatCannotEndIsRefusedBeforeMoving) {
  struct Row {
    const char* name;
    SurfacingPattern pattern;
  };
  const Row rows[] = {
      {"zero", Pattern(10, 5, 0)},
      {"negative", Pattern(10, 5, -1)},
      {"not a number", Pattern(10, 5, std::nan(""))},
      {"too small", Pattern(10, 150, 1e-6)},
      {"size not a number", Pattern(std::nan(""), 5, 1)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FakeIsoMotion motion;
    NullHost host;
    Status status;
    EXPECT_EQ(RunSurfacing(row.pattern, motion, host, &status), SurfacingOutcome::kRefused);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.message().empty());
    EXPECT_TRUE(motion.targets.empty());
  }
}

TEST(SurfacingPage, StepsEnableTheirControls) {
  SurfacingPage page;
  EXPECT_EQ(page.State(), SurfacingState::kIdle);
  EXPECT_EQ(page.Controls(), (SurfacingControls{.table_zero = true}));
  EXPECT_FALSE(page.ValidateZ());
  EXPECT_FALSE(page.StartRun());

  ASSERT_TRUE(page.SetTableZero());
  EXPECT_EQ(page.State(), SurfacingState::kZSetting);
  EXPECT_EQ(page.Controls(), (SurfacingControls{.z_target = true, .approach = true, .jog_up = true,
                                                .jog_down = true, .validate_z = true}));
  EXPECT_FALSE(page.SetTableZero());

  ASSERT_TRUE(page.ValidateZ());
  EXPECT_EQ(page.State(), SurfacingState::kReady);
  EXPECT_EQ(page.Controls(), (SurfacingControls{.start_run = true}));

  ASSERT_TRUE(page.StartRun());
  EXPECT_EQ(page.State(), SurfacingState::kRunning);
  EXPECT_EQ(page.Controls(), SurfacingControls{});
  EXPECT_FALSE(page.StartRun());  // no second start
  page.FinishRun();
  EXPECT_EQ(page.State(), SurfacingState::kDone);
  EXPECT_FALSE(page.StartRun());

  page.Reset();
  EXPECT_EQ(page.State(), SurfacingState::kIdle);
  EXPECT_EQ(page.Controls(), (SurfacingControls{.table_zero = true}));
}

TEST(SurfacingPage, RazFromZSettingLeavesTheJogButtonsEnabled) {
  SurfacingPage page;
  ASSERT_TRUE(page.SetTableZero());
  page.Reset();
  EXPECT_EQ(page.State(), SurfacingState::kIdle);
  EXPECT_EQ(page.Controls(), (SurfacingControls{.table_zero = true, .jog_up = true, .jog_down = true}));
  page.FinishRun();  // not running: nothing changes
  EXPECT_EQ(page.State(), SurfacingState::kIdle);
  ASSERT_TRUE(page.SetTableZero());
  ASSERT_TRUE(page.ValidateZ());
  page.Reset();
  EXPECT_EQ(page.Controls(), (SurfacingControls{.table_zero = true}));
}

TEST(SurfacingPage, CancelledRunReturnsToReadyOnlyFromRunning) {
  SurfacingPage page;
  page.CancelRun();  // idle: nothing changes
  EXPECT_EQ(page.State(), SurfacingState::kIdle);
  ASSERT_TRUE(page.SetTableZero());
  ASSERT_TRUE(page.ValidateZ());
  ASSERT_TRUE(page.StartRun());
  page.CancelRun();
  EXPECT_EQ(page.State(), SurfacingState::kReady);
  EXPECT_EQ(page.Controls(), (SurfacingControls{.start_run = true}));
  ASSERT_TRUE(page.StartRun());
  page.FinishRun();
  page.CancelRun();  // done stays done until "Raz"
  EXPECT_EQ(page.State(), SurfacingState::kDone);
  EXPECT_FALSE(page.Controls().start_run);
}

}  // namespace
}  // namespace pistora
