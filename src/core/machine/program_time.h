#pragma once

#include <string>
#include <vector>

namespace pistora {

// A program's machine time split by kind of move, with the rules of the program information:
// every move runs at the work feed (the own runner takes G00 at the work feed too) and the
// seconds are length × 60 / feed, rounded halves to even. The moves are read as the runner
// reads them (ParseAxisWords from the position reached, each G00 and each G01 of a line one
// move), so a Z word alone moves Z only.
struct ProgramTime {
  double cutting_mm = 0;  // G01 moves in X or Y
  double travel_mm = 0;   // G00 moves in X or Y
  double up_down_mm = 0;  // moves along Z alone
  long cutting_seconds = 0;
  long travel_seconds = 0;
  long up_down_seconds = 0;
  long total_seconds = 0;  // of the summed length, so it may differ by 1 from the sum of the parts
};

// Lines that do not convert are left out (the runner refuses them before moving).
ProgramTime EstimateProgramTime(const std::vector<std::string>& lines, int work_feed);

}  // namespace pistora
