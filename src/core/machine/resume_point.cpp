#include "core/machine/resume_point.h"

#include <algorithm>

#include "core/machine/iso_program.h"

namespace pistora {

ResumePoint PlanResumePoint(const std::vector<std::string>& lines, const ProgramPath& path, int copy,
                            long stop_line) {
  ResumePoint point;
  point.copy = copy;
  point.stop_line = std::clamp(stop_line, 0L, std::max(path.LineCount() - 1, 0L));
  long start = point.stop_line;
  while (start > 0 && path.line_start[static_cast<std::size_t>(start)].z < 0) --start;
  point.start_line = start;
  point.start = path.line_start[static_cast<std::size_t>(start)];
  point.retract_z = path.top_z > 0 ? path.top_z : kResumeLiftMm;
  for (long i = 0; i < start && i < static_cast<long>(lines.size()); ++i) {
    const std::string& line = lines[static_cast<std::size_t>(i)];
    if (!ClassifyIsoLine(line).feed) continue;
    if (const std::optional<int> feed = ParseFeedWord(line)) point.feed = feed;
  }
  return point;
}

Status CheckResume(const ResumePoint& point, std::uint64_t work_zero_epoch_now, bool stop_latched) {
  if (stop_latched) {
    return Status::Error("Reprise impossible : la machine est arr\xC3\xAAt\xC3\xA9" "e, appuyez d'abord sur "
                         "\xC2\xAB Raz \xC2\xBB.");
  }
  if (point.work_zero_epoch != work_zero_epoch_now) {
    return Status::Error("Reprise refus\xC3\xA9" "e : le z\xC3\xA9ro pi\xC3\xA8" "ce a chang\xC3\xA9 depuis l'arr\xC3\xAAt "
                         "(RAZ ou Z\xC3\xA9ro Machine). Relancez le programme avec \xC2\xAB D\xC3\xA9marrer la "
                         "gravure \xC2\xBB.");
  }
  return Status::Ok();
}

void MoveToResumePoint(IsoMotion& motion, const ResumePoint& point) {
  const ToolPosition at = motion.CurrentPosition();
  motion.MoveTo(at.x, at.y, point.retract_z);
  motion.MoveTo(point.start.x, point.start.y, point.retract_z);
  motion.MoveTo(point.start.x, point.start.y, point.start.z);
}

}  // namespace pistora
