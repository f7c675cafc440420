// The machine session's motion commands: the state machine on a virtual clock (commands queued
// and run step by step, STOP at any point, the latch, a halt while moving), and one move on a
// real thread stopped from the calling thread.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>

#include "core/machine/iso_program.h"
#include "core/machine/machine_fixture.h"
#include "core/machine/machine_session.h"
#include "hw/steady_clock.h"

namespace pistora {
namespace {

using testing::CountingHost;
using testing::RecordingDisplay;
using testing::WiredAxes;

// A session whose commands wait until RunPending, over a simulated machine.
class ManualSession : public ::testing::Test {
 protected:
  ManualSession() : machine_(clock_), session_(machine_, clock_, host_, Listener(), MotionThread::Mode::kManual) {
    session_.Engine().ApplyParameters(WiredAxes());
    session_.State().WorkFeed = 150;
    session_.SetDisplay(&display_);
  }
  MachineSession::SignalMapListener Listener() {
    return [this](const SignalMap& map, std::uint16_t base) { machine_.Configure(map, base); };
  }
  // The machine's real place (mm) on an axis: its steps over the axis's scale.
  double MachineMm(Axis axis) const {
    const MachineParameters& p = session_.State().Parameters;
    const double scale[3] = {p.StepsPerMmX, p.StepsPerMmY, p.StepsPerMmZ};
    return static_cast<double>(machine_.PositionSteps(axis)) / scale[AxisIndex(axis)];
  }

  VirtualClock clock_;
  SimulatedMachine machine_;
  CountingHost host_;
  RecordingDisplay display_;
  MachineSession session_;
};

// STOP pressed at any tick of a move: the move ends at that tick, the shown place (live during
// the move, settled after it) is where the machine is, the latch holds until "Raz" and a later
// command moves nothing.
TEST_F(ManualSession, StopAtAnyTickEndsTheMoveWhereTheMachineIs) {
  for (const long stop_at : {1L, 2L, 40L, 977L, 3000L}) {
    SCOPED_TRACE(stop_at);
    host_.trigger_at = -1;
    session_.ResetStopLatch();
    session_.Submit([this] { session_.MoveTo(0, 0, 0); });
    session_.Motion().RunPending();
    host_.pumps = 0;
    host_.trigger_at = stop_at;
    double live_error = 0;
    host_.action = [&] {
      const std::array<double, 3> live = session_.LivePosition();
      for (Axis axis : kAxes) live_error = std::max(live_error, std::abs(live[AxisIndex(axis)] - MachineMm(axis)));
      session_.LatchStop();  // from the window thread, as the disc does
    };
    int done = 0;
    ASSERT_TRUE(session_.Submit([this] { session_.MoveTo(20, -7, 3); }, [&done] { ++done; }));
    EXPECT_TRUE(session_.MotionBusy());
    EXPECT_FALSE(session_.Submit([] {}));  // one command at a time
    EXPECT_EQ(display_.message, kBusyMessage);
    EXPECT_EQ(done, 0);
    EXPECT_EQ(session_.Motion().RunPending(), 1);
    session_.Poll();
    EXPECT_EQ(done, 1);
    EXPECT_FALSE(session_.MotionBusy());
    EXPECT_TRUE(session_.StopLatched());
    EXPECT_TRUE(display_.disc_red);
    EXPECT_LE(live_error, 1e-9);
    // The move ended at the tick STOP came: no more than one more step on any axis.
    const std::array<double, 3> shown = {std::stod(display_.positions[0]), std::stod(display_.positions[1]),
                                         std::stod(display_.positions[2])};
    for (Axis axis : kAxes) EXPECT_NEAR(shown[AxisIndex(axis)], MachineMm(axis), 0.0005);
    EXPECT_LT(std::abs(MachineMm(Axis::X)), 20 * 0.5);

    const std::int64_t steps_before = machine_.StepCount(Axis::X);
    host_.trigger_at = -1;
    session_.Submit([this] { session_.MoveTo(1, 1, 1); });
    session_.Motion().RunPending();
    EXPECT_EQ(machine_.StepCount(Axis::X), steps_before);  // latched: nothing moves until "Raz"
  }
}

// A jog runs until the arrow's release, STOP, or a halt; each ends it with the place settled.
TEST_F(ManualSession, JogRunsUntilReleaseStopOrHalt) {
  enum class End { kRelease, kStop, kHalt };
  for (const End end : {End::kRelease, End::kStop, End::kHalt}) {
    SCOPED_TRACE(static_cast<int>(end));
    session_.ResetStopLatch();
    host_.pumps = 0;
    host_.trigger_at = 200;
    host_.action = [&] {
      if (end == End::kRelease) session_.ReleaseJog();
      if (end == End::kStop) session_.LatchStop();
      if (end == End::kHalt) session_.Halt();
    };
    const std::int64_t before = machine_.PositionSteps(Axis::Y);
    ASSERT_TRUE(session_.StartJog(JogDirection::kDevant));
    EXPECT_TRUE(session_.JogActive());
    session_.Motion().RunPending();
    session_.Poll();
    EXPECT_FALSE(session_.JogActive());
    EXPECT_GT(machine_.PositionSteps(Axis::Y), before);
    EXPECT_NEAR(std::stod(display_.positions[1]), MachineMm(Axis::Y), 0.0005);
    EXPECT_EQ(session_.StopLatched(), end != End::kRelease);
    if (end == End::kHalt) {
      EXPECT_EQ(session_.Port().OutputShadow(), 0);
    }
  }
}

// A halt while a program's copies run: no step after the tick it came at, and every output low
// once the command has returned.
TEST_F(ManualSession, HaltDuringAProgramEndsItWithEveryOutputLow) {
  const std::vector<std::string> program = {"G01 X5 Y5", "G01 Z-1", "G01 X0 Y0", "G01 Z1"};
  host_.trigger_at = 500;
  std::int64_t steps_at_halt = -1;
  const auto total_steps = [this] {
    return machine_.StepCount(Axis::X) + machine_.StepCount(Axis::Y) + machine_.StepCount(Axis::Z);
  };
  host_.action = [&] {
    steps_at_halt = total_steps();
    session_.Halt();
  };
  session_.Submit([&] {
    const CopyGrid grid{3, 3, 10, 10, 5};
    RunStartSequence(grid, [&] {
      RunIsoProgram(program, session_.ProgramMotion(), session_.CommandHost());
      return true;
    }, session_.ProgramMotion());
  });
  session_.Motion().RunPending();
  EXPECT_TRUE(session_.StopLatched());
  ASSERT_GT(steps_at_halt, 0);
  EXPECT_EQ(total_steps(), steps_at_halt);
  EXPECT_EQ(session_.Port().OutputShadow(), 0);
  EXPECT_EQ(machine_.DataRegister(), 0);
}

// On a real thread and the real clock: STOP from the calling thread ends a move of minutes at
// its next tick (at most one more step on the moving axis), and the thread takes the next
// command afterwards.
TEST(MotionThreadSession, StopFromAnotherThreadEndsALongMoveAtTheNextTick) {
  SteadyClock clock(false);
  SimulatedMachine machine(clock);
  NullHost host;
  MachineSession session(
      machine, clock, host, [&machine](const SignalMap& map, std::uint16_t base) { machine.Configure(map, base); },
      MotionThread::Mode::kThread);
  session.Engine().ApplyParameters(WiredAxes());
  session.State().WorkFeed = 1;  // 100 mm at 1 mm/min: 100 minutes
  ASSERT_TRUE(session.Submit([&session] { session.MoveTo(100, 0, 0); }));
  while (session.LivePosition()[0] == 0) std::this_thread::yield();
  session.LatchStop();
  const double at_stop = session.LivePosition()[0];
  session.Motion().WaitIdle();
  EXPECT_FALSE(session.MotionBusy());
  const double step_mm = 1.0 / session.State().Parameters.StepsPerMmX;
  EXPECT_LE(session.LivePosition()[0] - at_stop, step_mm + 1e-12);
  EXPECT_NEAR(session.State().Position[0], session.LivePosition()[0], 1e-12);

  session.ResetStopLatch();
  session.State().WorkFeed = 600;
  ASSERT_TRUE(session.Submit([&session] { session.MoveTo(0, 0, 0); }));
  session.Motion().WaitIdle();
  EXPECT_EQ(machine.PositionSteps(Axis::X), 0);
}

}  // namespace
}  // namespace pistora
