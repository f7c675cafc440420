#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pistora::cli {

// pistora-cli analyse ARTWORK -o OUT.grv (--pixel-mm MM | --dpi N) [--hole-size N]
// [--pad-points N]: the engraving file the window saves after processing the artwork and
// validating that pixel size.
int RunAnalyse(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pistora::cli
