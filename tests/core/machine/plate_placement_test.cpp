#include "core/machine/plate_placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/machine/fake_setup_motion.h"

namespace pistora {
namespace {

const std::vector<std::string> kFullSequence = {"accepted", "home", "move", "zeroX", "zeroY", "zeroZ"};

TEST(PlaceSpindle, HomesMovesOverTheStartPointAndMakesItTheWorkZero) {
  FakeSetupMotion motion;
  motion.fake.machine = {40, 30, -2};  // wherever the last job left it
  motion.fake.work_zero = {10, 10, -5};
  PlatePreview preview(PlateGeometry{});
  preview.Reset(50, 30);
  Status status = Status::Error("not set");
  const PlacementOutcome outcome =
      PlaceSpindle(preview.SpindleTarget(), motion, [&] { motion.fake.events.push_back("accepted"); }, &status);
  EXPECT_EQ(outcome, PlacementOutcome::kPlaced);
  EXPECT_TRUE(status.ok());
  EXPECT_EQ(motion.fake.events, kFullSequence);
  // The start point (7, 7) plus the plate's origin (17.25, 12.25), measured from home, at Z 0.
  ASSERT_EQ(motion.fake.targets.size(), 1u);
  EXPECT_EQ(motion.fake.targets[0], (ToolPosition{24.25, 19.25, 0}));
  EXPECT_EQ(motion.fake.machine, (ToolPosition{24.25, 19.25, 0}));
  EXPECT_EQ(motion.fake.work_zero, motion.fake.machine);
  EXPECT_EQ(motion.CurrentPosition(), (ToolPosition{0, 0, 0}));
}

TEST(PlaceSpindle, StopStillZeroesWhereTheMachineStands) {
  struct Row {
    const char* name;
    bool stop_in_homing;
    int stop_after_moves;
    ToolPosition stands;
  };
  const Row rows[] = {
      // The latch holds from the start: the homing and the move return at once.
      {"STOP during the homing", true, -1, {-3, -4, 1}},
      // The fake latches after the move arrives: the machine stands at the target.
      {"STOP at the end of the move", false, 1, {30, 20, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FakeSetupMotion motion;
    motion.fake.machine = {-3, -4, 1};
    motion.fake.stop = row.stop_in_homing;
    motion.fake.stop_after_moves = row.stop_after_moves;
    int accepted = 0;
    const PlacementOutcome outcome = PlaceSpindle({30, 20, 0}, motion, [&] { ++accepted; });
    EXPECT_EQ(outcome, PlacementOutcome::kStopped);
    EXPECT_EQ(accepted, 1);
    EXPECT_EQ(motion.fake.events,
              (std::vector<std::string>{"home", "move", "zeroX", "zeroY", "zeroZ"}));
    EXPECT_EQ(motion.fake.machine, row.stands);
    EXPECT_EQ(motion.fake.work_zero, row.stands);
  }
}

TEST(PlaceSpindle, RefusedWhileAnotherMotionRuns) {
  FakeSetupMotion motion;
  motion.busy = true;
  motion.fake.machine = {5, 6, 7};
  bool accepted = false;
  Status status;
  EXPECT_EQ(PlaceSpindle({30, 20, 0}, motion, [&] { accepted = true; }, &status), PlacementOutcome::kRefused);
  EXPECT_FALSE(accepted);  // the machine window's buttons are not switched either
  EXPECT_TRUE(motion.fake.events.empty());
  EXPECT_EQ(motion.fake.machine, (ToolPosition{5, 6, 7}));
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(status.message(), kPlacementBusyMessage);
}

TEST(NewPlatePreview, ScalesTheParametersAndKeepsThePreviousPreviewOnABadSize) {
  MachineParameters parameters;  // factory plate: 200 x 150, border 7 x 7
  PlatePreview preview(PlateGeometry{});
  ASSERT_TRUE(NewPlatePreview(parameters, {65, 45}, &preview).ok());
  EXPECT_EQ(preview.BorderX(), 12);
  EXPECT_EQ(preview.JobRect(), (PreviewRect{12, 253 - 80, 12 + 115, 253}));
  EXPECT_DOUBLE_EQ(preview.EngraveStartX(), 7);

  // A dragged job, then a new plate from other parameters: back in the corner, new borders.
  preview.Press();
  preview.Move(150, 150);
  parameters.PlateSizeX = 100;
  parameters.PlateBorderX = 10;
  parameters.PlateBorderY = 3;
  parameters.PlateOriginX = 1;
  ASSERT_TRUE(NewPlatePreview(parameters, {20, 10}, &preview).ok());
  EXPECT_FALSE(preview.Dragging());
  EXPECT_EQ(preview.BorderX(), 35);  // 353 × 10 / 100 = 35.3
  EXPECT_EQ(preview.BorderY(), 5);   // 265 × 3 / 150 = 5.3
  EXPECT_EQ(preview.JobRect(), (PreviewRect{35, 260 - 18, 35 + 71, 260}));  // 70.6 and 17.67
  EXPECT_EQ(preview.SpindleTarget(), (ToolPosition{10 + 1, 3 + 12.25, 0}));

  // A size that is negative or no number (named in the message), or a plate of no width: the
  // preview stays as it was.
  preview.Press();
  preview.Move(200, 100);
  const PreviewRect moved = preview.JobRect();
  const struct {
    JobSize job;
    const char* named;
  } bad_sizes[] = {{{-5, 10}, "en X invalide : \"-5\""}, {{20, std::nan("")}, "en Y invalide : \"NAN\""},
                   {{HUGE_VAL, 10}, "\"INF\""}};
  for (const auto& bad : bad_sizes) {
    const Status status = NewPlatePreview(parameters, bad.job, &preview);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find(bad.named), std::string::npos) << status.message();
  }
  parameters.PlateSizeX = 0;
  EXPECT_FALSE(NewPlatePreview(parameters, {20, 10}, &preview).ok());
  EXPECT_EQ(preview.JobRect(), moved);
  EXPECT_TRUE(preview.Dragging());
}

TEST(CheckPlateGeometry, RefusesAPlateThePreviewCannotScaleTo) {
  EXPECT_TRUE(CheckPlateGeometry(PlateGeometry{}).ok());
  PlateGeometry no_width;
  no_width.size_x = 0;
  EXPECT_FALSE(CheckPlateGeometry(no_width).ok());
  PlateGeometry negative_height;
  negative_height.size_y = -150;
  EXPECT_FALSE(CheckPlateGeometry(negative_height).ok());
  PlateGeometry nan_border;
  nan_border.border_x = std::nan("");
  EXPECT_FALSE(CheckPlateGeometry(nan_border).ok());
}

}  // namespace
}  // namespace pistora
