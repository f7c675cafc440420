#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pistora::cli {

// pistora-cli info PROGRAM.iso [--feed F]: the size, length and estimated time of an engraving
// program as the machine window shows them after "&Charger gravure ISO", ending with the line
// "extent X=<x> Y=<y> length=<l> time=<s>".
int RunInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pistora::cli
