#include "core/job/program_options.h"

#include <vector>

#include "core/job/drill_sizes.h"
#include "core/job/gcode_writer.h"
#include "core/text/numbers.h"

namespace pistora {

Status CheckProgramOptions(const ProgramOptions& options) {
  if (!IsUnsignedInteger(options.SpindleRpm)) {
    return Status::Error("Vitesse de broche : \xC2\xAB " + options.SpindleRpm +
                         " \xC2\xBB n'est pas un nombre entier de tours par minute");
  }
  if (!options.TravelHeight.empty() && !IsUnsignedDecimal(options.TravelHeight)) {
    return Status::Error("Hauteur de d\xC3\xA9placement : \xC2\xAB " + options.TravelHeight +
                         " \xC2\xBB n'est pas un nombre d\xC3\xA9" "cimal positif \xC3\xA9" "crit avec \xC2\xAB . \xC2\xBB");
  }
  if (!options.Drills.empty()) {
    std::vector<DrillSize> drills;
    if (Status s = ParseDrillList(options.Drills, &drills); !s) return Status::Error("Forets : " + s.message());
  }
  return Status::Ok();
}

void ApplyProgramOptions(const ProgramOptions& options, JobParameters* parameters) {
  parameters->TargetDialect = options.TargetDialect;
  parameters->SpindleRpm = options.SpindleRpm;
  parameters->TravelHeight = options.TravelHeight;
  parameters->ImprovedOrder = options.ImprovedOrder;
  parameters->Drills = options.Drills;
}

}  // namespace pistora
