#include "core/settings/main_settings.h"

#include "core/text/line_file.h"

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

Status LoadMainSettings(const std::string& path, MainSettings* settings) {
  std::vector<std::string> lines;
  // The file holds seven short lines; anything much larger is not a settings file.
  Status status = ReadLatin1Lines(path, &lines, 1024 * 1024);
  if (!status) return status;
  *settings = MainSettingsFromLines(lines);
  return Status::Ok();
}

Status SaveMainSettings(const std::string& path, const MainSettings& settings) {
  return WriteLatin1LinesAtomically(path, MainSettingsLines(settings));
}

}  // namespace pistora
