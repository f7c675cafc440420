#include "core/job/program_options.h"

#include <vector>

#include "core/job/drill_sizes.h"
#include "core/job/gcode_writer.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {

Status CheckProgramOptions(const ProgramOptions& options) {
  if (!IsUnsignedInteger(options.SpindleRpm)) {
    return Status::Error(
        Fill(Tr("Vitesse de broche : « %1 » n'est pas un nombre entier de tours par minute"), {options.SpindleRpm}));
  }
  if (!options.TravelHeight.empty() && !IsUnsignedDecimal(options.TravelHeight)) {
    return Status::Error(Fill(Tr("Hauteur de déplacement : « %1 » n'est pas un nombre décimal positif écrit avec "
                                 "« . »"),
                              {options.TravelHeight}));
  }
  if (!options.Drills.empty()) {
    std::vector<DrillSize> drills;
    if (Status s = ParseDrillList(options.Drills, &drills); !s) {
      return Status::Error(Fill(Tr("Forets : %1"), {s.message()}));
    }
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
