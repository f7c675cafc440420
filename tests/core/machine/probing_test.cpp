#include "core/machine/probing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/machine/height_map_probing.h"
#include "machine_fixture.h"

namespace pistora {
namespace {

using testing::SimulatedRig;
using testing::WiredAxes;

constexpr double kScale = 133.3333;  // the factory steps per mm

class ProbingTest : public ::testing::Test {
 protected:
  ProbingTest() {
    MachineParameters p = WiredAxes();
    p.ProbeInput = 0x20;
    rig_.Apply(p);
    // The copper 1.3 mm under the tool's start, tilted 0.2 mm over 100 mm in X.
    rig_.machine.SetSurface([](double x, double) { return -1.3 + 0.002 * x; }, {kScale, kScale, kScale});
  }
  SimulatedRig rig_;
  ProbeSettings settings_;
};

TEST_F(ProbingTest, ContactStopsAtTheTickRecordsZAndLiftsBack) {
  rig_.state.Position = {0, 0, 0};
  const std::int64_t start_us = rig_.clock.PeekMicros();
  const ProbeResult result = ProbeDown(rig_.engine, settings_);
  ASSERT_EQ(result.outcome, ProbeOutcome::kContact) << rig_.display.message;
  // The first step at or below the copper closed the probe: 174 steps (1.305 mm).
  EXPECT_EQ(result.steps, 174);
  EXPECT_NEAR(result.contact_z, -1.3, 0.5 / kScale);
  // Each step's period at 30 mm/min (15 ms a step), then the lift at the work feed.
  const double descent_us = result.steps * 60.0e6 / (settings_.feed * kScale);
  EXPECT_GE(rig_.clock.PeekMicros() - start_us, descent_us);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Z), 0);
  EXPECT_DOUBLE_EQ(rig_.state.Position[2], 0);
  EXPECT_FALSE(rig_.state.StopFlag);
}

TEST_F(ProbingTest, NoContactWithinTheTravelIsALatchedAlarm) {
  settings_.max_travel = 1;
  const ProbeResult result = ProbeDown(rig_.engine, settings_);
  EXPECT_EQ(result.outcome, ProbeOutcome::kNoContact);
  EXPECT_EQ(result.steps, 134);  // ceil(1 mm × 133.3333)
  EXPECT_TRUE(rig_.state.StopFlag);
  EXPECT_NE(rig_.engine.StopReason().find("aucun contact sur 1.000 mm"), std::string::npos);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Z), -134);  // left there, not lifted
  // Latched: the next probe does not move until "Raz".
  EXPECT_EQ(ProbeDown(rig_.engine, settings_).outcome, ProbeOutcome::kStopped);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Z), -134);
}

TEST_F(ProbingTest, StopAndEmergencyStopEndTheDescentWithoutLift) {
  for (const bool estop : {false, true}) {
    SCOPED_TRACE(estop ? "arrêt d'urgence" : "STOP");
    SimulatedRig rig;
    MachineParameters p = WiredAxes();
    p.ProbeInput = 0x20;
    p.EStopInput = 0x08;
    rig.Apply(p);
    rig.machine.SetSurface([](double, double) { return -1.3; }, {kScale, kScale, kScale});
    rig.host.trigger_at = 2000;
    rig.host.action = [&] {
      if (estop) {
        rig.machine.SetEStop(true);
      } else {
        rig.state.StopFlag = true;
      }
    };
    const ProbeResult result = ProbeDown(rig.engine, settings_);
    EXPECT_EQ(result.outcome, ProbeOutcome::kStopped);
    EXPECT_TRUE(rig.state.StopFlag);
    EXPECT_GT(result.steps, 0);
    EXPECT_LT(result.steps, 174);
    EXPECT_EQ(rig.machine.PositionSteps(Axis::Z), -result.steps);
    EXPECT_NEAR(rig.state.Position[2], -result.steps / kScale, 1e-9);
  }
}

TEST_F(ProbingTest, TheZSwitchStopsTheDescentUnlessItWasClosedAtTheStart) {
  MachineParameters p = WiredAxes();
  p.ProbeInput = 0x20;
  p.LimitZInput = 0x40;
  rig_.Apply(p);
  // Closed at the start (the top switch, just released by the first step): left out, the
  // descent reaches the copper.
  rig_.machine.BounceLimit(Axis::Z, {true, true});
  EXPECT_EQ(ProbeDown(rig_.engine, settings_).outcome, ProbeOutcome::kContact) << rig_.display.message;
  // Met on the way down: an alarm.
  rig_.machine.SetTravel(Axis::Z, -50, 100000);
  const ProbeResult result = ProbeDown(rig_.engine, settings_);
  EXPECT_EQ(result.outcome, ProbeOutcome::kStopped);
  EXPECT_EQ(result.steps, 50);
  EXPECT_EQ(rig_.engine.StopReason(), std::string(kLimitStopMessage) + "Z.");
}

TEST_F(ProbingTest, RefusedWithoutWireOrWithTheProbeAlreadyClosed) {
  rig_.machine.SetProbe(true);
  EXPECT_EQ(ProbeDown(rig_.engine, settings_).outcome, ProbeOutcome::kRefused);
  EXPECT_EQ(rig_.display.message, kProbeClosedMessage);
  rig_.machine.SetProbe(false);
  rig_.Apply(WiredAxes());
  EXPECT_EQ(ProbeDown(rig_.engine, settings_).outcome, ProbeOutcome::kRefused);
  EXPECT_EQ(rig_.display.message, kProbeNotWiredMessage);
  EXPECT_EQ(rig_.TotalSteps(), 0);
  EXPECT_FALSE(rig_.state.StopFlag);
}

TEST_F(ProbingTest, TouchOffPutsZeroOnTheCopperUnderThePlate) {
  settings_.plate_thickness = 1.6;
  rig_.machine.SetSurface([](double, double) { return -1.3; }, {kScale, kScale, kScale});  // the plate's top
  rig_.state.Position = {0, 0, 7};  // the Z shown before: anything
  const ProbeResult result = TouchOffZ(rig_.engine, settings_);
  ASSERT_EQ(result.outcome, ProbeOutcome::kContact);
  EXPECT_DOUBLE_EQ(result.contact_z, 1.6);
  // Back at the start height: 1.3 mm above the plate, 2.9 mm above the copper.
  EXPECT_NEAR(rig_.state.Position[2], 2.9, 0.5 / kScale + 1e-9);
  EXPECT_EQ(rig_.machine.PositionSteps(Axis::Z), 0);
}

TEST_F(ProbingTest, HeightMapOfATiltedPlateInSerpentineOrder) {
  const HeightGrid grid{0, 0, 20, 15, 5, 3};
  int last_done = 0;
  const HeightMapProbeResult result =
      ProbeHeightMap(rig_.engine, grid, settings_, [&](int done, int total) {
        EXPECT_EQ(done, last_done + 1);
        EXPECT_EQ(total, 15);
        last_done = done;
      });
  ASSERT_EQ(result.outcome, ProbeOutcome::kContact) << rig_.engine.StopReason();
  EXPECT_EQ(result.points_probed, 15);
  for (int r = 0; r < grid.rows; ++r) {
    for (int c = 0; c < grid.columns; ++c) {
      // Relative to the first point; each height within a step of the plane.
      EXPECT_NEAR(result.map.At(c, r), 0.002 * result.map.PointX(c), 1 / kScale) << c << "," << r;
    }
  }
  EXPECT_NEAR(result.map.Summary().tilt_x, 0.2, 0.01);
  EXPECT_NEAR(rig_.state.Position[2], settings_.clearance, 0.5 / kScale);
}

}  // namespace
}  // namespace pistora
