#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/text/status.h"

namespace pistora {

// One hole of a drill file, in board millimetres (the file's own origin, y upwards).
struct DrillHole {
  double x_mm = 0.0;
  double y_mm = 0.0;
  double diameter_mm = 0.0;
  int line = 0;  // line of the file that places it, from 1
};

// What a drill file holds: its holes in file order, and what the reader did not take as is
// (one French line each, naming the file's line).
struct DrillFile {
  std::vector<DrillHole> holes;
  std::vector<std::string> notices;
};

// Reads an Excellon drill file as the common board programs write it:
//  - header "M48" ... "%" (or "M95"), or none; tools "T1C0.8" (also "T01F00S00C0.0315") in the
//    header or in the body; ";" comments.
//  - units "METRIC" / "INCH" (with ",LZ" = leading zeros kept, ",TZ" = trailing zeros kept,
//    and an optional digit pattern such as ",000.000"), "M71" / "M72"; inch when none is given.
//  - numbers with a "." are read as written; numbers without one follow the zero rule and the
//    digit format: 2.4 in inch and 3.3 in millimetres unless ";FILE_FORMAT=a:b", ";FORMAT={a:b/"
//    or the units' pattern says otherwise; trailing zeros kept when nothing says which.
//  - "X..Y.." places a hole with the current tool; a missing coordinate keeps the previous one.
//  - "X..Y..G85X..Y.." (a slot) drills its two ends, with a notice.
// Refused, with the line number: an unknown line, a hole before any tool or with a tool of no
// diameter, incremental or routing mode, a number that cannot be read, a diameter outside
// 0..10 mm. `name` names the file in messages.
Status ParseDrillFile(std::string_view text, const std::string& name, DrillFile* file);

// The holes' diameters as a drill list ("0.8,1,3.2"): each once, to the hundredth of a mm
// (drills come in such steps; each hole keeps its exact diameter and takes the nearest drill).
std::string DrillListOfHoles(const std::vector<DrillHole>& holes);

// Reads and parses a file (at most 64 MB); the message names the file.
Status ReadDrillFile(const std::string& path, DrillFile* file);

}  // namespace pistora
