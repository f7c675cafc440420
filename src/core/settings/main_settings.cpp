#include "core/settings/main_settings.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "core/text/message_translation.h"
#include "core/text/line_file.h"
#include "core/text/numbers.h"
#include "core/text/quoted.h"

namespace pistora {

std::vector<std::string> MainSettingsLines(const MainSettings& s) {
  return {s.EngravingDepth, s.DrillingDepth, s.RetractDistance, s.EngravingFeed,
          s.DrillingFeed,   s.SpindleControl ? "TRUE" : "FALSE", s.Language};
}

MainSettings MainSettingsFromLines(const std::vector<std::string>& lines) {
  auto line = [&lines](std::size_t i) { return i < lines.size() ? lines[i] : std::string(); };
  MainSettings s;
  s.EngravingDepth = line(0);
  s.DrillingDepth = line(1);
  s.RetractDistance = line(2);
  s.EngravingFeed = line(3);
  s.DrillingFeed = line(4);
  s.SpindleControl = line(5) == "TRUE";
  s.Language = line(6);
  return s;
}

std::vector<std::string> CheckJobValues(const std::string& path, MainSettings* settings) {
  struct JobValue {
    std::string MainSettings::*field;
    bool whole_number;
    double max;
    const char* what;
  };
  static const JobValue kJobValues[] = {
      {&MainSettings::EngravingDepth, false, kMaxJobDepthMm, "profondeur de gravure (mm)"},
      {&MainSettings::DrillingDepth, false, kMaxJobDepthMm, "profondeur de perçage (mm)"},
      {&MainSettings::RetractDistance, false, kMaxRetractMm, "distance de dégagement (mm)"},
      {&MainSettings::EngravingFeed, true, kMaxJobFeed, "vitesse de gravure (mm/mn)"},
      {&MainSettings::DrillingFeed, true, kMaxJobFeed, "vitesse de perçage (mm/mn)"},
  };
  const MainSettings built_in;
  std::vector<std::string> problems;
  for (std::size_t i = 0; i < std::size(kJobValues); ++i) {
    const JobValue& value = kJobValues[i];
    std::string& text = settings->*value.field;
    std::string dotted = text;
    if (!value.whole_number) std::replace(dotted.begin(), dotted.end(), ',', '.');
    const bool syntax = value.whole_number ? IsUnsignedInteger(dotted) : IsUnsignedDecimal(dotted);
    const std::optional<double> number = syntax ? ParseDecimal(dotted, '.') : std::nullopt;
    if (number && *number > 0.0 && *number <= value.max) {
      text = dotted;
      continue;
    }
    problems.push_back(Fill(Tr("%1, ligne %2 (%3) : « %4 » n'est pas un nombre de plus de 0 et d'au plus %5 ; "
                               "la valeur par défaut %6 est utilisée."),
                            {Quoted(path), std::to_string(i + 1), Tr(value.what), text, FormatGeneral(value.max),
                             built_in.*value.field}));
    text = built_in.*value.field;
  }
  return problems;
}

Status LoadMainSettings(const std::string& path, MainSettings* settings, std::vector<std::string>* problems) {
  std::vector<std::string> lines;
  // The file holds seven short lines; anything much larger is not a settings file.
  Status status = ReadLatin1Lines(path, &lines, 1024 * 1024);
  if (!status) return status;
  MainSettings read = MainSettingsFromLines(lines);
  std::vector<std::string> found = CheckJobValues(path, &read);
  if (problems != nullptr) *problems = std::move(found);
  *settings = std::move(read);
  return Status::Ok();
}

Status SaveMainSettings(const std::string& path, const MainSettings& settings) {
  return WriteLatin1LinesAtomically(path, MainSettingsLines(settings));
}

}  // namespace pistora
