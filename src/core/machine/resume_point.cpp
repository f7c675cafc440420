#include "core/machine/resume_point.h"

#include <algorithm>

#include "core/machine/iso_program.h"
#include "core/text/message_translation.h"

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
    return Status::Error(Tr("Reprise impossible : la machine est arrêtée, appuyez d'abord sur « Raz »."));
  }
  if (point.work_zero_epoch != work_zero_epoch_now) {
    return Status::Error(Tr("Reprise refusée : le zéro pièce a changé depuis l'arrêt (RAZ ou Zéro Machine). Relancez "
                            "le programme avec « Démarrer la gravure »."));
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
