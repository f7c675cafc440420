#include "cli/job_options.h"

#include <ostream>
#include <string>

#include "core/host/host.h"
#include "core/job/file_names.h"

namespace pistora::cli {

namespace {

// Digits with at most one "." and at least one digit ("0.25", "2", ".5", "1.").
bool IsUnsignedDecimal(const std::string& text) {
  int digits = 0, points = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.') {
      ++points;
    } else {
      return false;
    }
  }
  return digits > 0 && points <= 1;
}

bool IsUnsignedInteger(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

struct TextOption {
  const char* name;
  std::string JobParameters::*field;
  bool whole_number;
};

constexpr TextOption kTextOptions[] = {
    {"depth", &JobParameters::EngravingDepth, false},  {"drill-depth", &JobParameters::DrillingDepth, false},
    {"retract", &JobParameters::RetractDistance, false}, {"feed", &JobParameters::EngravingFeed, true},
    {"drill-feed", &JobParameters::DrillingFeed, true},
};

}  // namespace

void AddJobOptions(ArgSpec* options_spec) {
  for (const TextOption& option : kTextOptions) options_spec->valued.insert(option.name);
  options_spec->flags.insert("no-spindle");
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
                     std::ostream& out) {
  NullHost host;
  ProgramReport report;
  if (!targets.engraving.empty()) {
    if (Status s = GenerateEngravingProgram(ws, host, parameters, targets.engraving, &report); !s) return s;
    out << "Programme de gravure : " << report.Path << " (" << report.LineCount << " lignes, "
        << ws.OrderedCount << " objets)\n";
  }
  if (!targets.drilling.empty()) {
    if (Status s = GenerateDrillingProgram(ws, host, parameters, targets.drilling, &report); !s) return s;
    out << "Programme de perçage : " << report.Path << " (" << report.LineCount << " lignes, "
        << ws.OrderedCount << " trous)\n";
  }
  return Status::Ok();
}

}  // namespace pistora::cli
