#include "core/machine/table_setup.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "core/machine/fake_setup_motion.h"

namespace pistora {
namespace {

using Events = std::vector<std::string>;
using Targets = std::vector<ToolPosition>;

SurfacingTexts FactoryTexts() { return {"17.25", "12.25", "200.5", "150.5", "0.4", "1"}; }

// Texts of a small table: 10 by 2.5, step 1, depth 0.4, origin 5, 6 from home.
SurfacingTexts SmallTable() { return {"5", "6", "10", "2.5", "0.4", "1"}; }

// A host that runs a function at each pump (a click handled from inside a running step).
class PumpingHost : public Host {
 public:
  explicit PumpingHost(std::function<void()> pump) : pump_(std::move(pump)) {}
  void PumpEvents() override { pump_(); }

 private:
  std::function<void()> pump_;
};

// A page brought to Ready on a fresh machine; the fake's records are cleared afterwards.
void BringToReady(SurfacingPage& page, FakeSetupMotion& motion, const SurfacingTexts& texts) {
  ASSERT_TRUE(SetTableZero(page, motion, texts).ok());
  ASSERT_TRUE(ValidateTableHeight(page, motion).ok());
  motion.fake.events.clear();
  motion.fake.targets.clear();
}

TEST(SurfacingValues, ReadWithAPointWhateverTheRegion) {
  SurfacingValues values;
  ASSERT_TRUE(ReadSurfacingValues(FactoryTexts(), &values).ok());
  EXPECT_DOUBLE_EQ(values.offset_x, 17.25);
  EXPECT_DOUBLE_EQ(values.offset_y, 12.25);
  EXPECT_DOUBLE_EQ(values.pattern.size_x, 200.5);
  EXPECT_DOUBLE_EQ(values.pattern.size_y, 150.5);
  EXPECT_DOUBLE_EQ(values.pattern.pass_depth, 0.4);
  EXPECT_DOUBLE_EQ(values.pattern.step_over, 1);
}

TEST(SurfacingValues, ATextThatIsNoNumberNamesItsBox) {
  struct Row {
    SurfacingBox box;
    const char* text;
    const char* box_name;
  };
  const Row rows[] = {{kOffsetY, "12,25", "Offset axe Y"},
                      {kSizeX, "", "Dimenssion X"},
                      {kPassDepth, "0.4mm", "Profondeur de passe"},
                      {kStepOver, "1..2", "Encart entre deux passes"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    SurfacingTexts texts = FactoryTexts();
    texts[row.box] = row.text;
    SurfacingValues values;
    values.offset_x = -1;
    const Status status = ReadSurfacingValues(texts, &values);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find(row.box_name), std::string::npos) << status.message();
    EXPECT_DOUBLE_EQ(values.offset_x, -1);  // nothing half-read
  }
}

TEST(TableZero, HomesMovesToTheOffsetsAndZeroesXThenY) {
  SurfacingPage page;
  FakeSetupMotion motion;
  motion.fake.machine = {40, 30, -2};
  ASSERT_TRUE(SetTableZero(page, motion, FactoryTexts()).ok());
  EXPECT_EQ(motion.fake.events, (Events{"home", "move", "zeroX", "zeroY"}));
  EXPECT_EQ(motion.fake.targets, (Targets{{17.25, 12.25, 0}}));
  // The surfacing origin is the new X-Y work zero; Z keeps the homed zero.
  EXPECT_EQ(motion.fake.work_zero, (ToolPosition{17.25, 12.25, 0}));
  EXPECT_EQ(page.State(), SurfacingState::kZSetting);
}

TEST(TableZero, StopDuringItStillZeroesWhereTheToolStandsAndEntersZSetting) {
  SurfacingPage page;
  FakeSetupMotion motion;
  motion.fake.machine = {40, 30, -2};
  motion.stop_while_homing = true;
  ASSERT_TRUE(SetTableZero(page, motion, FactoryTexts()).ok());
  EXPECT_TRUE(motion.StopLatched());
  EXPECT_EQ(motion.fake.events, (Events{"home", "move", "zeroX", "zeroY"}));
  EXPECT_EQ(motion.fake.work_zero.x, 40);
  EXPECT_EQ(motion.fake.work_zero.y, 30);
  EXPECT_EQ(page.State(), SurfacingState::kZSetting);
  EXPECT_TRUE(page.Controls().validate_z);
}

TEST(SurfacingSteps, StepsThatMoveWaitForRazOnceStopIsLatched) {
  SurfacingPage page;
  FakeSetupMotion motion;
  motion.fake.stop = true;  // STOP pressed and not cleared
  Status status = SetTableZero(page, motion, SmallTable());
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("Raz"), std::string::npos);
  EXPECT_TRUE(motion.fake.events.empty());  // no zero set where the tool happens to be
  EXPECT_EQ(page.State(), SurfacingState::kIdle);

  motion.fake.stop = false;
  ASSERT_TRUE(SetTableZero(page, motion, SmallTable()).ok());
  motion.fake.events.clear();
  motion.fake.stop = true;
  EXPECT_FALSE(ApproachTable(page, motion, "-30", '.').ok());
  ASSERT_TRUE(ValidateTableHeight(page, motion).ok());  // no motion: allowed
  NullHost host;
  EXPECT_FALSE(StartSurfacing(page, motion, host, SmallTable()).ok());
  EXPECT_EQ(motion.fake.events, (Events{"zeroZ"}));
  EXPECT_EQ(page.State(), SurfacingState::kReady);
}

TEST(TableZero, BadValueRefusedBeforeAnythingMoves) {
  SurfacingPage page;
  FakeSetupMotion motion;
  SurfacingTexts texts = FactoryTexts();
  texts[kOffsetX] = "abc";
  const Status status = SetTableZero(page, motion, texts);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("Offset axe X"), std::string::npos);
  EXPECT_EQ(motion.homings, 0);
  EXPECT_TRUE(motion.fake.events.empty());
  EXPECT_EQ(page.State(), SurfacingState::kIdle);
}

TEST(SurfacingSteps, ApproachAndValidationOfTheTableHeight) {
  SurfacingPage page;
  FakeSetupMotion motion;
  // Not before the table zero.
  EXPECT_FALSE(ApproachTable(page, motion, "-30", '.').ok());
  EXPECT_FALSE(ValidateTableHeight(page, motion).ok());
  EXPECT_TRUE(motion.fake.events.empty());

  ASSERT_TRUE(SetTableZero(page, motion, SmallTable()).ok());
  ASSERT_TRUE(ApproachTable(page, motion, "-30", '.').ok());
  EXPECT_EQ(motion.fake.targets.back(), (ToolPosition{0, 0, -30}));
  motion.fake.machine.z -= 1.5;  // jogged down onto the table
  ASSERT_TRUE(ValidateTableHeight(page, motion).ok());
  EXPECT_EQ(motion.fake.events.back(), "zeroZ");
  EXPECT_DOUBLE_EQ(motion.fake.work_zero.z, -31.5);
  EXPECT_EQ(page.State(), SurfacingState::kReady);
  EXPECT_FALSE(ApproachTable(page, motion, "-30", '.').ok());  // the Z controls are off again
}

TEST(SurfacingSteps, ApproachTargetReadWithTheRegionalSeparator) {
  SurfacingPage page;
  FakeSetupMotion motion;
  ASSERT_TRUE(SetTableZero(page, motion, SmallTable()).ok());
  for (const char* text : {"abc", "", "-1,5,0", "1e999"}) {
    SCOPED_TRACE(text);
    const std::size_t moves = motion.fake.targets.size();
    const Status status = ApproachTable(page, motion, text, ',');
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find(std::string("« ") + text + " »"), std::string::npos);
    EXPECT_EQ(motion.fake.targets.size(), moves);
  }
  ASSERT_TRUE(ApproachTable(page, motion, " -1,5 ", ',').ok());
  EXPECT_EQ(motion.fake.targets.back(), (ToolPosition{0, 0, -1.5}));
  ASSERT_TRUE(ApproachTable(page, motion, "-2.25", ',').ok());  // "." as in the machine window
  EXPECT_EQ(motion.fake.targets.back(), (ToolPosition{0, 0, -2.25}));
  EXPECT_EQ(page.State(), SurfacingState::kZSetting);
}

TEST(SurfacingSteps, EveryStepRefusedWhileTheMachineIsBusy) {
  SurfacingPage page;
  FakeSetupMotion motion;
  motion.busy = true;
  EXPECT_FALSE(SetTableZero(page, motion, SmallTable()).ok());
  EXPECT_EQ(page.State(), SurfacingState::kIdle);

  motion.busy = false;
  ASSERT_TRUE(SetTableZero(page, motion, SmallTable()).ok());
  motion.fake.events.clear();
  motion.busy = true;
  EXPECT_FALSE(ApproachTable(page, motion, "-30", '.').ok());
  EXPECT_FALSE(ValidateTableHeight(page, motion).ok());
  EXPECT_EQ(page.State(), SurfacingState::kZSetting);

  motion.busy = false;
  ASSERT_TRUE(ValidateTableHeight(page, motion).ok());
  motion.fake.events.clear();
  motion.busy = true;
  NullHost host;
  const Status status = StartSurfacing(page, motion, host, SmallTable());
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("mouvement"), std::string::npos);
  EXPECT_EQ(page.State(), SurfacingState::kReady);
  EXPECT_TRUE(motion.fake.events.empty());
}

TEST(SurfacingRun, SmallTableMovesAndEndsDone) {
  SurfacingPage page;
  FakeSetupMotion motion;
  BringToReady(page, motion, SmallTable());
  NullHost host;
  SurfacingControls at_start{.table_zero = true};
  SurfacingState state_at_start = SurfacingState::kIdle;
  ASSERT_TRUE(StartSurfacing(page, motion, host, SmallTable(), [&] {
                at_start = page.Controls();
                state_at_start = page.State();
              }).ok());
  EXPECT_EQ(state_at_start, SurfacingState::kRunning);
  EXPECT_EQ(at_start, SurfacingControls{});  // every step button off before the first move
  EXPECT_EQ(motion.fake.targets, (Targets{{0, 0, -0.4},
                                          {10, 0, 0}, {10, 1, 0},
                                          {0, 1, 0}, {0, 2, 0},
                                          {10, 2, 0}, {10, 2.5, 0},
                                          {0, 0, 0}}));
  EXPECT_EQ(page.State(), SurfacingState::kDone);
  EXPECT_FALSE(StartSurfacing(page, motion, host, SmallTable()).ok());  // no second run
}

TEST(SurfacingRun, RefusedValuesBringThePageBackToReady) {
  for (const char* step_over : {"0", "-1", "x"}) {
    SCOPED_TRACE(step_over);
    SurfacingPage page;
    FakeSetupMotion motion;
    BringToReady(page, motion, SmallTable());
    SurfacingTexts texts = SmallTable();
    texts[kStepOver] = step_over;  // edited once the page was ready
    NullHost host;
    const Status status = StartSurfacing(page, motion, host, texts);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.message().empty());
    EXPECT_TRUE(motion.fake.events.empty());
    EXPECT_EQ(page.State(), SurfacingState::kReady);
    EXPECT_EQ(page.Controls(), (SurfacingControls{.start_run = true}));
    // Corrected, the run goes ahead.
    EXPECT_TRUE(StartSurfacing(page, motion, host, SmallTable()).ok());
    EXPECT_EQ(page.State(), SurfacingState::kDone);
  }
}

TEST(SurfacingRun, StopMidRunEndsDoneWithTheLatchHeld) {
  SurfacingPage page;
  FakeSetupMotion motion;
  BringToReady(page, motion, SmallTable());
  motion.fake.stop_after_moves = 2;  // during the first pass
  NullHost host;
  ASSERT_TRUE(StartSurfacing(page, motion, host, SmallTable()).ok());
  EXPECT_EQ(page.State(), SurfacingState::kDone);
  EXPECT_TRUE(motion.StopLatched());
  EXPECT_EQ(motion.fake.targets.back(), (ToolPosition{0, 0, 0}));  // asked for, cut short
  EXPECT_EQ(motion.CurrentPosition(), (ToolPosition{10, 0, 0}));
  page.Reset();
  EXPECT_EQ(page.State(), SurfacingState::kIdle);
  EXPECT_TRUE(page.Controls().table_zero);
}

TEST(SurfacingRun, RazInsideARunLetsNoOtherStepStartUntilItReturns) {
  SurfacingPage page;
  FakeSetupMotion motion;
  BringToReady(page, motion, SmallTable());
  ASSERT_EQ(motion.homings, 1);
  Status nested;
  int pumps = 0;
  // Between two passes nothing moves (the machine is not busy), yet the run is under way.
  PumpingHost host([&] {
    if (++pumps != 2) return;
    page.Reset();  // "Raz" re-enables "Réglage zéro Table"
    nested = SetTableZero(page, motion, SmallTable());
  });
  ASSERT_TRUE(StartSurfacing(page, motion, host, SmallTable()).ok());
  EXPECT_FALSE(nested.ok());
  EXPECT_EQ(motion.homings, 1);
  EXPECT_EQ(page.State(), SurfacingState::kIdle);  // "Raz" stands
  EXPECT_FALSE(page.StepUnderWay());
  EXPECT_TRUE(SetTableZero(page, motion, SmallTable()).ok());
  EXPECT_EQ(motion.homings, 2);
}

}  // namespace
}  // namespace pistora
