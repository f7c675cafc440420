#include "core/machine/job_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "core/machine/engine_iso_motion.h"
#include "fake_iso_motion.h"
#include "machine_fixture.h"

namespace pistora {
namespace {

using testing::SimulatedRig;

// Two contours of a 12 x 8 mm board, a hole between them, travels at Z 1.5.
const std::vector<std::string> kBoard = {
    "%",         "F150",      "G00 Z1.5",  "G00 X1 Y1", "G00 Z-0.2", "G01 X11 Y1", "G01 X11 Y7",
    "G00 Z1.5",  "G00 X6 Y4", "G00 Z-0.2", "G00 Z1.5",  "G00 X2 Y2", "G00 Z-0.2",  "G01 X9 Y2",
    "G01 X9 Y6", "G01 X2 Y6", "G01 X2 Y2", "G00 Z1.5",  "G00 X0 Y0", "M30"};
constexpr long kSecondContourPlunge = 12;

// Keeps where the tool stands as each line begins.
struct LineStartMotion final : FakeIsoMotion {
  void ShowProgress(long line, long count) override {
    starts.push_back(CurrentPosition());
    FakeIsoMotion::ShowProgress(line, count);
  }
  std::vector<ToolPosition> starts;
};

TEST(ProgramPath, MovesBecomeSegmentsHolesAndLineLengths) {
  const ProgramPath path = BuildProgramPath(kBoard);
  struct Expected {
    long line;
    PathMoveKind kind;
    double x1, y1;
  };
  const Expected expected[] = {
      {3, PathMoveKind::kTravel, 1, 1}, {5, PathMoveKind::kCut, 11, 1},   {6, PathMoveKind::kCut, 11, 7},
      {8, PathMoveKind::kTravel, 6, 4}, {11, PathMoveKind::kTravel, 2, 2}, {13, PathMoveKind::kCut, 9, 2},
      {14, PathMoveKind::kCut, 9, 6},   {15, PathMoveKind::kCut, 2, 6},    {16, PathMoveKind::kCut, 2, 2},
      {18, PathMoveKind::kTravel, 0, 0}};
  ASSERT_EQ(path.segments.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(path.segments[i].line, expected[i].line);
    EXPECT_EQ(path.segments[i].kind, expected[i].kind);
    EXPECT_DOUBLE_EQ(path.segments[i].x1, expected[i].x1);
    EXPECT_DOUBLE_EQ(path.segments[i].y1, expected[i].y1);
  }
  ASSERT_EQ(path.drill_points.size(), 1u);
  EXPECT_EQ(path.drill_points[0].line, 9);
  EXPECT_DOUBLE_EQ(path.drill_points[0].x, 6);
  EXPECT_DOUBLE_EQ(path.top_z, 1.5);
  // Done at a line: every segment of the lines before it, for every line.
  for (long line = 0; line <= path.LineCount(); ++line) {
    SCOPED_TRACE(line);
    std::size_t before = 0;
    for (const PathSegment& s : path.segments) before += s.line < line ? 1 : 0;
    EXPECT_EQ(path.SegmentsBefore(line), before);
  }
  // The line lengths add up to the analysis's length, and run as the runner runs.
  const bool no_stop = false;
  NullHost host;
  const IsoAnalysis analysis = AnalyseIsoProgram(kBoard, {}, 150, host, no_stop);
  EXPECT_NEAR(path.LengthMm(), analysis.length, 1e-9);
  EXPECT_EQ(path.line_start.back(), analysis.end);
  LineStartMotion runner;
  ASSERT_EQ(RunIsoProgram(kBoard, runner, host).outcome, IsoRunOutcome::kCompleted);
  runner.starts.push_back(runner.CurrentPosition());
  EXPECT_EQ(runner.starts, path.line_start);
}

// The copies' origins are where the sequence puts the work zero, also when it starts at a later
// copy (a resumed run), and it always ends back at the first copy.
TEST(CopyOrigins, AreTheWorkZerosOfTheSequenceFromAnyFirstCopy) {
  const CopyGrid grids[] = {{1, 1, 10, 8, 5}, {3, 1, 10, 8, 5}, {1, 3, 10, 8, 5}, {3, 2, 10, 8, 2.5}};
  for (const CopyGrid& grid : grids) {
    const std::vector<CopyOrigin> origins = CopyOrigins(grid);
    ASSERT_EQ(origins.size(), static_cast<std::size_t>(grid.copies_x * grid.copies_y));
    for (int first = 0; first < static_cast<int>(origins.size()); ++first) {
      SCOPED_TRACE(::testing::Message() << grid.copies_x << "x" << grid.copies_y << " from " << first);
      FakeIsoMotion fake;
      fake.work_zero = fake.machine = {origins[first].x, origins[first].y, 0};
      std::vector<ToolPosition> seen;
      EXPECT_TRUE(RunStartSequence(grid, [&] { return seen.push_back(fake.work_zero), true; }, fake, first));
      ASSERT_EQ(seen.size(), origins.size() - first);
      for (std::size_t k = 0; k < seen.size(); ++k) {
        EXPECT_NEAR(seen[k].x, origins[first + k].x, 1e-9);
        EXPECT_NEAR(seen[k].y, origins[first + k].y, 1e-9);
      }
      EXPECT_NEAR(fake.work_zero.x, 0, 1e-9);
      EXPECT_NEAR(fake.work_zero.y, 0, 1e-9);
    }
  }
}

TEST(ResumePoint, GoesBackToTheObjectStartAndIsRefusedOnAnotherWorkZero) {
  const ProgramPath path = BuildProgramPath(kBoard);
  // stop line -> start line of the object it belongs to
  const std::pair<long, long> cases[] = {{0, 0}, {3, 3},   {5, 4},   {7, 4},   {9, 9},
                                           {10, 9}, {11, 11}, {14, 12}, {16, 12}, {17, 12}};
  for (const auto& [stop, start] : cases) {
    SCOPED_TRACE(stop);
    const ResumePoint point = PlanResumePoint(kBoard, path, 1, stop);
    EXPECT_EQ(point.start_line, start);
    EXPECT_EQ(point.start, path.line_start[static_cast<std::size_t>(start)]);
    EXPECT_EQ(point.feed, start > 1 ? std::optional<int>(150) : std::nullopt);
    EXPECT_DOUBLE_EQ(point.retract_z, 1.5);
  }
  ResumePoint point;
  point.work_zero_epoch = 4;
  EXPECT_TRUE(CheckResume(point, 4, false).ok());
  EXPECT_NE(CheckResume(point, 5, false).message().find("z\xC3\xA9ro pi\xC3\xA8" "ce a chang\xC3\xA9"), std::string::npos);
  EXPECT_NE(CheckResume(point, 4, true).message().find("Raz"), std::string::npos);
}

class SimulatedRun : public ::testing::Test {
 protected:
  SimulatedRun() : slider_(600, 150), motion_(rig_.engine, slider_) {
    slider_.SetChangeHandler([this](std::int32_t feed) { rig_.state.WorkFeed = feed; });
    job_.lines = kBoard;
    job_.path = BuildProgramPath(kBoard);
    job_.grid = {2, 1, job_.path.max_x, job_.path.max_y, 5};
    // Each tick (each pump of the engine's host): the X and Y steps made with the tool below
    // the surface, counted.
    rig_.host.trigger_at = 1;
    rig_.host.action = [this] {
      rig_.host.trigger_at = rig_.host.pumps + 1;
      CountCut();
    };
  }
  void CountCut() {
    const std::int64_t xy = rig_.machine.StepCount(Axis::X) + rig_.machine.StepCount(Axis::Y);
    if (rig_.machine.PositionSteps(Axis::Z) < 0) cut_steps_ += xy - last_xy_;
    last_xy_ = xy;
    if (tick_probe_) tick_probe_();
  }
  SimulatedRig rig_;
  FeedSlider slider_;
  EngineIsoMotion motion_;
  JobProgram job_;
  RunProgress progress_;
  std::int64_t cut_steps_ = 0;
  std::int64_t last_xy_ = 0;
  std::function<void()> tick_probe_;
};

TEST_F(SimulatedRun, RemainingTimeCountsTheEstimateDown) {
  Host& host = rig_.host;
  const RunTimeline timeline(job_.path, job_.grid);
  const long estimate =
      EstimatedProgramSeconds(StartSequenceLength(job_.grid, job_.path.LengthMm(), job_.path.line_start.back()), 150);
  ASSERT_GT(estimate, 20);
  EXPECT_EQ(timeline.RemainingSeconds(0, 0, 150), estimate);
  const std::int64_t start_us = rig_.clock.NowMicros();
  long previous = estimate;
  int samples = 0;
  double worst = 0;
  double worst_percent = 0;
  double worst_zero = 0;  // mm between the progress's work zero and the copy's origin
  const std::vector<CopyOrigin> origins = CopyOrigins(job_.grid);
  bool increased = false;
  tick_probe_ = [&] {
    const RunProgress::Snapshot now = progress_.Read();
    if (!now.in_copy) return;
    const long remaining = timeline.RemainingSeconds(now.copy, now.line, rig_.state.WorkFeed);
    const double elapsed = (rig_.clock.NowMicros() - start_us) / 1e6;
    increased = increased || remaining > previous;
    worst = std::max(worst, std::fabs(remaining + elapsed - estimate));
    worst_percent = std::max(worst_percent, std::fabs(timeline.PercentDone(now.copy, now.line) -
                                                      100.0 * (estimate - remaining) / estimate));
    previous = remaining;
    worst_zero = std::max(worst_zero, std::fabs(progress_.WorkZero().x - origins[now.copy].x));
    ++samples;
  };
  const JobRunResult result = RunJob(job_, motion_, host, progress_);
  EXPECT_TRUE(result.ran);
  EXPECT_GT(samples, 1000);
  EXPECT_FALSE(increased);
  // Left + elapsed stays the estimate, within the longest line (10 mm: 4 s) and the rounding.
  EXPECT_LT(worst, 4.0 + 1.0);
  EXPECT_LT(worst_percent, 100.0 / estimate + 0.01);
  EXPECT_LT(worst_zero, 1.0 / 133);
  EXPECT_NEAR((rig_.clock.NowMicros() - start_us) / 1e6, estimate, 1.0);
  EXPECT_FALSE(progress_.Read().running);
  EXPECT_NEAR(progress_.WorkZero().x, 0, 1.0 / 133);  // the walks took it back to the first copy
}

// STOP in the middle of the second contour of the second copy, "Raz", "Reprendre": the cuts of
// both runs together are the whole job's plus the part of the contour cut before the stop.
TEST_F(SimulatedRun, ResumedRunCutsTheInterruptedContourOnceMore) {
  Host& host = rig_.host;
  ASSERT_TRUE(RunJob(job_, motion_, host, progress_).ran);
  const std::int64_t whole_job = cut_steps_;
  ASSERT_GT(whole_job, 0);

  // STOP once 3 mm of the contour (400 X/Y steps) are cut.
  cut_steps_ = 0;
  std::int64_t cut_before_contour = -1;
  tick_probe_ = [&] {
    const RunProgress::Snapshot now = progress_.Read();
    if (now.copy != 1 || now.line < kSecondContourPlunge || rig_.state.StopFlag) return;
    if (cut_before_contour < 0) cut_before_contour = cut_steps_;
    if (cut_steps_ - cut_before_contour >= 400) rig_.engine.Alarm("STOP");
  };
  const JobRunResult stopped = RunJob(job_, motion_, host, progress_);
  ASSERT_FALSE(stopped.ran);
  ASSERT_TRUE(stopped.resume.has_value());
  EXPECT_EQ(stopped.resume->copy, 1);
  EXPECT_NEAR(progress_.WorkZero().x, CopyOrigins(job_.grid)[1].x, 1.0 / 133);
  EXPECT_EQ(stopped.resume->start_line, kSecondContourPlunge);
  const std::int64_t interrupted = cut_steps_ - cut_before_contour;
  ASSERT_GE(interrupted, 400);
  ASSERT_EQ(progress_.Read().line, 13);  // inside the contour's first side
  const std::int64_t first_run = cut_steps_;

  rig_.state.StopFlag = false;  // "Raz"
  ASSERT_TRUE(CheckResume(*stopped.resume, rig_.state.WorkZeroEpoch, rig_.state.StopFlag).ok());
  cut_steps_ = 0;
  tick_probe_ = {};
  const JobRunResult resumed = RunJob(job_, motion_, host, progress_, &*stopped.resume);
  EXPECT_TRUE(resumed.ran);
  EXPECT_EQ(first_run + cut_steps_, whole_job + interrupted);
  EXPECT_NEAR(progress_.WorkZero().x, 0, 1.0 / 133);
  // Back at the first copy's work zero, as after a whole run.
  for (Axis axis : kAxes) EXPECT_EQ(rig_.machine.PositionSteps(axis), 0);
}

}  // namespace
}  // namespace pistora
