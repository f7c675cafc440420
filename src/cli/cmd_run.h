#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pistora::cli {

// pistora-cli run PROGRAM.iso [--drill PROGRAM.iso] [--copies NXxNY] [--params cn.dat]
//                 --port CHOICE [--virtual-clock]
// Runs the program (and its copies) through the motion engine, as "Démarrer la gravure" does
// once the Z level is validated where the tool stands; with --drill the drilling program runs
// afterwards the same way. Prints the elapsed time and ends with the line
// "final X=<x> Y=<y> Z=<z> pulses X=<n> Y=<n> Z=<n>".
int RunRun(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// "NXxNY" (each 1 to 100), e.g. "2x3"; nullopt for anything else.
std::optional<std::pair<int, int>> ParseCopies(std::string_view text);

}  // namespace pistora::cli
