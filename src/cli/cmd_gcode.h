#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pistora::cli {

// pistora-cli gcode IN.grv [--engrave OUT.iso] [--drill OUT.iso] [job options]: the two
// programs of "Générer G-CODE" from an engraving file, byte for byte as the window writes them.
int RunGcode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pistora::cli
