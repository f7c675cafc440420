#include "core/machine/job_run.h"

#include "core/machine/forwarding_motion.h"

namespace pistora {
namespace {

// Passes every call on, and keeps the run's progress at each line the runner shows.
class ProgressMotion final : public ForwardingMotion {
 public:
  ProgressMotion(IsoMotion& inner, RunProgress& progress) : ForwardingMotion(inner), progress_(progress) {}
  void ZeroAxisX() override {
    progress_.ShiftWorkZero(inner_.CurrentPosition().x, 0);
    inner_.ZeroAxisX();
  }
  void ZeroAxisY() override {
    progress_.ShiftWorkZero(0, inner_.CurrentPosition().y);
    inner_.ZeroAxisY();
  }
  void ShowProgress(long line, long line_count) override {
    progress_.AtLine(line - 1);
    inner_.ShowProgress(line, line_count);
  }

 private:
  RunProgress& progress_;
};

}  // namespace

JobRunResult RunJob(const JobProgram& job, IsoMotion& motion, Host& host, RunProgress& progress,
                    const ResumePoint* from) {
  JobRunResult result;
  ProgressMotion tracked(motion, progress);
  int copy = from ? from->copy : 0;
  bool first = true;
  progress.Begin();
  const auto run_one_copy = [&] {
    std::size_t first_line = 0;
    if (first && from) {
      progress.EnterCopy(copy, from->start_line);
      if (from->feed) tracked.SetFeedFromProgram(*from->feed);
      MoveToResumePoint(tracked, *from);
      if (tracked.StopLatched()) {
        result.resume = *from;
        return false;
      }
      first_line = static_cast<std::size_t>(from->start_line);
    } else {
      progress.EnterCopy(copy);
    }
    first = false;
    const IsoRunResult run = RunIsoProgram(job.lines, tracked, host, first_line);
    if (run.outcome == IsoRunOutcome::kRefused) {
      result.error = run.status.message();
      return false;
    }
    if (run.outcome == IsoRunOutcome::kStopped) {
      // A stopped run has already said on the message line where and why; the copies after
      // it do not run.
      result.resume = PlanResumePoint(job.lines, job.path, copy, progress.Read().line);
      return false;
    }
    progress.LeaveCopy();
    ++copy;
    return true;
  };
  result.ran = RunStartSequence(job.grid, run_one_copy, tracked, from ? from->copy : 0);
  if (result.resume) result.resume->work_zero_epoch = tracked.WorkZeroEpoch();
  progress.End();
  return result;
}

}  // namespace pistora
