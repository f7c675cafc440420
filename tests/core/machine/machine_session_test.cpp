#include "core/machine/machine_session.h"

#include <gtest/gtest.h>

#include "core/machine/machine_fixture.h"

namespace pistora {
namespace {

using testing::CountingHost;
using testing::RecordingDisplay;

// One session over a simulated machine; a window attaches its display and later goes.
TEST(MachineSession, StopAndRazReachTheAttachedDisplayAndTheLatchOutlivesIt) {
  VirtualClock clock;
  SimulatedMachine machine(clock);
  CountingHost host;
  MachineSession session(machine, clock, host);
  session.LatchStop();  // no display yet: latched all the same
  EXPECT_TRUE(session.StopLatched());

  RecordingDisplay display;
  session.SetDisplay(&display);
  session.ResetStopLatch();
  EXPECT_FALSE(session.StopLatched());
  EXPECT_EQ(display.disc_paints, 1);
  EXPECT_FALSE(display.disc_red);
  session.LatchStop();
  EXPECT_TRUE(display.disc_red);
  session.PlacementDone();
  EXPECT_TRUE(session.ProgramButtons().validate_z);

  session.SetDisplay(nullptr);
  session.ResetStopLatch();
  EXPECT_TRUE(display.disc_red);  // detached: told nothing
  EXPECT_EQ(display.disc_paints, 2);
  EXPECT_FALSE(session.StopLatched());
}

TEST(MachineSession, BusyDuringAProgramAndRepetitionTotalsFromTheCopies) {
  VirtualClock clock;
  SimulatedMachine machine(clock);
  CountingHost host;
  MachineSession session(machine, clock, host);
  EXPECT_FALSE(session.Busy());
  session.SetProgramRunning(true);
  EXPECT_TRUE(session.Busy());
  session.SetProgramRunning(false);

  session.SetJobExtent(30, 20);
  EXPECT_EQ(session.RepetitionTotal(), (JobSize{30, 20}));
  session.SetCopies(2, 10);  // factory gap 5 mm
  EXPECT_EQ(session.RepetitionTotal(), (JobSize{65, 245}));
}

}  // namespace
}  // namespace pistora
