#pragma once

#include <string>
#include <vector>

#include "core/machine/iso_program.h"

namespace pistora::testing {

// The moves of a program as the machine's own runner reads them: the target of every G00 and G01.
inline std::vector<ToolPosition> ProgramMoves(const std::vector<std::string>& lines) {
  std::vector<ToolPosition> moves;
  ToolPosition at;
  for (const std::string& line : lines) {
    const IsoLineKind kind = ClassifyIsoLine(line);
    for (const bool move : {kind.g00, kind.g01}) {
      if (!move) continue;
      at = ParseAxisWords(line, at).target;
      moves.push_back(at);
    }
  }
  return moves;
}

}  // namespace pistora::testing
