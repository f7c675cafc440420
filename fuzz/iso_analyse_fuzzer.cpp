// .iso: a program as "Ouvrir" reads it and the analysis measures it.
#include <cmath>
#include <cstdlib>

#include "core/machine/iso_program.h"
#include "fuzz_input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pistora;
  const std::string& path = fuzz::WriteInputFile(data, size, ".iso");
  std::vector<std::string> lines;
  if (!LoadIsoProgram(path, &lines)) return 0;
  const Status check = CheckIsoProgram(lines);
  for (const std::string& line : lines) {
    (void)ParseFeedWord(line);
    (void)ClassifyIsoLine(line);
  }
  NullHost host;
  const bool stop = false;
  long observed = 0;
  const IsoAnalysis analysis = AnalyseIsoProgram(lines, ToolPosition{1, 2, 3}, 400, host, stop,
                                                 [&observed](long, long, const std::string&) { ++observed; });
  // The analysis reads the moves of any dialect; the check also refuses another controller's.
  if (CheckIsoDialect(lines) && analysis.status.ok() != check.ok()) std::abort();
  if (analysis.extent_x < 0 || analysis.extent_y < 0 || analysis.estimated_seconds < 0) std::abort();
  return 0;
}
