#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pistora::cli {

// pistora-cli probe --extent LxH (--grid CxR | --spacing MM) -o CARTE.txt --port CHOICE
//                   [--params cn.dat] [--feed F] [--max-travel MM] [--clearance MM]
//                   [--sim-surface "tilt=X,Y;bow=MM"] [--virtual-clock]
// Probes a height map over the extent from where the tool stands (the job's origin, Z 0 on the
// copper), saves it and prints its size, min, max and tilt.
int RunProbe(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pistora::cli
