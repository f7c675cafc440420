#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pistora::cli {

// pistora-cli convert ARTWORK --out-dir DIR (--pixel-mm MM | --dpi N) [--hole-size N]
// [--pad-points N] [job options]: the whole road of the main window in one go. Writes
// DIR/<stem>.grv (the analysis, before any job ordering), DIR/<stem>-gravure.iso and
// DIR/<stem>-percage.iso, and prints a summary.
int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pistora::cli
