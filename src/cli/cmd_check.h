#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pistora::cli {

// pistora-cli check ARTWORK ENGRAVING.iso (--dpi N | --pixel-mm MM) --tool-width MM
// [--drill DRILLING.iso] [--threshold P]: lays the tool's groove along the program's cutting moves
// over the artwork and prints "check: islands=<n> not-isolated=<n> copper-cut=<px> (<percent> %)
// drills-on-copper=<n>". Exit 1 when an island is not isolated or a drill lands on copper.
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pistora::cli
