#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pistora::cli {

// pistora-cli preprocess ARTWORK -o OUT.bmp: the artwork pre-processing ("Pré-traitement
// Typon"), written as a 24-bit BMP.
int RunPreprocess(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pistora::cli
