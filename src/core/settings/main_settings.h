#pragma once

#include <string>
#include <vector>

#include "core/text/status.h"

namespace pistora {

// The main window's job settings, as the texts of their boxes (stored exactly as typed).
struct MainSettings {
  std::string EngravingDepth = "0.25";  // engraving depth box, mm
  std::string DrillingDepth = "1.7";    // drilling depth box, mm
  std::string RetractDistance = "1.5";  // retract distance box, mm
  std::string EngravingFeed = "350";    // engraving feed box, mm/min
  std::string DrillingFeed = "100";     // drilling feed box, mm/min
  bool SpindleControl = true;           // check box "Gestion de la broche"
  std::string Language = "fr.lng ( Fran\xC3\xA7" "ais )";  // the language list's entry

  friend bool operator==(const MainSettings&, const MainSettings&) = default;
};

inline constexpr const char* kMainSettingsFileName = "param.txt";

// The seven lines of param.txt in file order.
std::vector<std::string> MainSettingsLines(const MainSettings& settings);

// Fills settings from the lines of param.txt: line 6 checks the spindle box only when it is
// exactly "TRUE"; missing lines read as empty texts.
MainSettings MainSettingsFromLines(const std::vector<std::string>& lines);

// The job values (lines 1 to 5) go into every program as they stand, so only numbers in range
// are taken: depths and retract digits with at most one "." (a "," is read as "."), above 0 and
// at most kMaxJobDepthMm / kMaxRetractMm; feeds digits only, 1 to kMaxJobFeed mm/min. Any other
// line gets the built-in value and a message naming the file, the line and the value.
inline constexpr double kMaxJobDepthMm = 10.0;
inline constexpr double kMaxRetractMm = 100.0;
inline constexpr double kMaxJobFeed = 10000.0;
std::vector<std::string> CheckJobValues(const std::string& path, MainSettings* settings);

// Reads param.txt and checks its job values (CheckJobValues; `problems`, when given, receives
// the messages). When the file cannot be read, `settings` is left untouched and the status
// says why.
Status LoadMainSettings(const std::string& path, MainSettings* settings,
                        std::vector<std::string>* problems = nullptr);

// Writes param.txt (Latin-1, CR LF) through a temporary file: a failed save keeps the old file.
Status SaveMainSettings(const std::string& path, const MainSettings& settings);

}  // namespace pistora
