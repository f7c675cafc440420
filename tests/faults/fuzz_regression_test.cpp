// Inputs the fuzzers found, kept as tests.
#include <gtest/gtest.h>

#include <limits>

#include "core/machine/engine_iso_motion.h"
#include "core/machine/iso_program.h"
#include "core/machine/machine_fixture.h"

namespace pistora {
namespace {

using testing::SimulatedRig;

TEST(FuzzRegression, AStepCountBeyondSixtyFourBitsKeepsAPositiveMagnitude) {
  const std::array<double, 3> scale = {133.3333, 133.3333, 133.3333};
  const MovePlan plan = PlanMove({0, 0, 0}, {0, 0, -4.4e79}, 400, scale);
  EXPECT_FALSE(plan.axis[2].positive);
  EXPECT_EQ(plan.axis[2].steps, std::numeric_limits<std::int64_t>::max());
  EXPECT_LT(plan.axis[2].steps_signed, 0);
}

TEST(FuzzRegression, AMoveOfAnAbsurdLengthIsRefusedBeforeAnyStep) {
  SimulatedRig rig;
  for (const double far : {-4.4e79, 1e300, 8e6}) {
    SCOPED_TRACE(far);
    rig.display.message.clear();
    EXPECT_EQ(rig.engine.MoveTo(0, 0, far), MoveOutcome::Refused);
    EXPECT_EQ(rig.display.message, kBadTargetMessage);
    EXPECT_EQ(rig.TotalSteps(), 0);
    EXPECT_EQ(rig.state.Position[2], 0);
  }
  // A long but real move still runs.
  EXPECT_EQ(rig.engine.MoveTo(0, 0, 2), MoveOutcome::Completed);
  EXPECT_EQ(rig.machine.PositionSteps(Axis::Z), 267);
}

TEST(FuzzRegression, AProgramWithAFarTargetIsRefusedBeforeAnyMove) {
  SimulatedRig rig;
  FeedSlider slider(600, 150);
  slider.SetChangeHandler([&rig](std::int32_t feed) { rig.state.WorkFeed = feed; });
  EngineIsoMotion motion(rig.engine, slider);
  const std::vector<std::string> program = {
      "%", "F20050", "G01 X1 Y2",
      "G01 Z-44444444444444444444444444444444444444444444444444444440008612933377076028302",
      "G00 X Y Z", "F1e9", "G01 X2.5"};
  const IsoRunResult result = RunIsoProgram(program, motion, rig.host);
  EXPECT_EQ(result.outcome, IsoRunOutcome::kRefused);
  EXPECT_NE(result.status.message().find("Ligne 4"), std::string::npos) << result.status.message();
  EXPECT_EQ(rig.TotalSteps(), 0);
}

}  // namespace
}  // namespace pistora
