#include "cli/job_options.h"

#include <ostream>
#include <string>

#include "core/host/host.h"
#include "core/job/drill_sizes.h"
#include "core/job/file_names.h"
#include "core/machine/program_time.h"
#include "core/settings/machine_parameters.h"
#include "core/text/line_file.h"
#include "core/text/numbers.h"

namespace pistora::cli {

namespace {

struct TextOption {
  const char* name;
  std::string JobParameters::*field;
  bool whole_number;
};

constexpr TextOption kTextOptions[] = {
    {"depth", &JobParameters::EngravingDepth, false},  {"drill-depth", &JobParameters::DrillingDepth, false},
    {"retract", &JobParameters::RetractDistance, false}, {"feed", &JobParameters::EngravingFeed, true},
    {"drill-feed", &JobParameters::DrillingFeed, true}, {"spindle-rpm", &JobParameters::SpindleRpm, true},
    {"travel-height", &JobParameters::TravelHeight, false},
};

void WriteTime(const std::vector<std::string>& lines, int work_feed, std::ostream& out) {
  const ProgramTime time = EstimateProgramTime(lines, work_feed);
  out << "Temps estim\xC3\xA9 : " << time.total_seconds << " s (coupe " << time.cutting_seconds
      << " s, d\xC3\xA9placements " << time.travel_seconds << " s, mont\xC3\xA9" "es et descentes "
      << time.up_down_seconds << " s, \xC3\xA0 " << work_feed << " mm/mn)\n";
}

}  // namespace

void AddJobOptions(ArgSpec* options_spec) {
  for (const TextOption& option : kTextOptions) options_spec->valued.insert(option.name);
  options_spec->flags.insert("no-spindle");
  options_spec->flags.insert("optimise-order");
  options_spec->valued.insert("dialect");
  options_spec->valued.insert("drills");
}

Status ReadJobOptions(const Args& args, JobParameters* parameters) {
  JobParameters result;
  for (const TextOption& option : kTextOptions) {
    const std::optional<std::string> text = args.Get(option.name);
    if (!text) continue;
    if (option.whole_number ? !IsUnsignedInteger(*text) : !IsUnsignedDecimal(*text)) {
      return Status::Error("--" + std::string(option.name) + " : « " + *text + " » n'est pas " +
                           (option.whole_number ? "un nombre entier positif (chiffres seuls)"
                                                : "un nombre décimal positif écrit avec « . »"));
    }
    result.*option.field = *text;
  }
  result.SpindleControl = !args.Has("no-spindle");
  result.ImprovedOrder = args.Has("optimise-order");
  if (const std::optional<std::string> name = args.Get("dialect")) {
    const std::optional<Dialect> dialect = ParseDialect(*name);
    if (!dialect) {
      return Status::Error("--dialect : \xC2\xAB " + *name +
                           " \xC2\xBB n'est pas un dialecte connu (pistora, linuxcnc ou grbl)");
    }
    result.TargetDialect = *dialect;
  }
  if (const std::optional<std::string> drills = args.Get("drills")) {
    std::vector<DrillSize> sizes;
    if (Status s = ParseDrillList(*drills, &sizes); !s) return Status::Error("--drills : " + s.message());
    result.Drills = *drills;
  }
  *parameters = result;
  return Status::Ok();
}

Status CheckProgramTargets(const ProgramTargets& targets) {
  if (!targets.engraving.empty() && !targets.drilling.empty() &&
      CompleteFileName(targets.engraving, ".iso") == CompleteFileName(targets.drilling, ".iso")) {
    return Status::Error("les programmes de gravure et de perçage auraient le même nom : " +
                         CompleteFileName(targets.engraving, ".iso"));
  }
  return Status::Ok();
}

Status WritePrograms(Workspace& ws, const JobParameters& parameters, const ProgramTargets& targets,
                     std::ostream& out, int work_feed) {
  NullHost host;
  // The programs of one command replace the previous ones together or not at all.
  StagedSaves staged;
  if (!targets.engraving.empty()) {
    ProgramReport report;
    if (Status s = GenerateEngravingProgram(ws, host, parameters, targets.engraving, &report); !s) return s;
    out << "Programme de gravure : " << report.Path << " (" << report.LineCount << " lignes, "
        << report.ObjectCount << " objets)\n";
    WriteTime(report.Lines, work_feed, out);
  }
  if (!targets.drilling.empty()) {
    std::vector<ProgramReport> reports;
    const Status status = GenerateDrillingPrograms(ws, host, parameters, targets.drilling, &reports);
    for (const ProgramReport& report : reports) {
      out << "Programme de per\xC3\xA7" "age" << (report.Drill.empty() ? "" : " (foret " + report.Drill + " mm)")
          << " : " << report.Path << " (" << report.LineCount << " lignes, " << report.ObjectCount << " trous)\n";
      WriteTime(report.Lines, work_feed, out);
    }
    if (!status) return status;
  }
  return staged.Commit();
}

int MachineWorkFeed() {
  MachineParameters factory;
  if (MachineParametersFromFile(MachineParameterFile{}, &factory)) return factory.WorkFeed;
  return MachineParameters{}.WorkFeed;
}

}  // namespace pistora::cli
