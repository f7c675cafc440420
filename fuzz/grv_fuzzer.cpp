// .grv: an engraving file, read by "Ouvrir un fichier de gravure" and by the command line.
#include <cstdlib>

#include "core/job/engraving_file.h"
#include "fuzz_input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pistora;
  const std::string& path = fuzz::WriteInputFile(data, size, ".grv");
  EngravingFile file;
  if (!ReadEngravingFile(path, &file)) return 0;
  // Applying makes a white bitmap of the announced size: keep that small here (the size rule
  // itself is the reader's, checked above).
  if (static_cast<long long>(file.Width) * file.Height > (1 << 20)) return 0;
  Workspace ws;
  ApplyEngravingFile(std::move(file), &ws);
  (void)PanelAfterLoad(ws);
  // Writing what was read and reading it again gives the same file.
  const std::vector<std::string> lines = EngravingFileLines(ws);
  EngravingFile again;
  if (!ParseEngravingFile(lines, &again)) std::abort();
  Workspace ws2;
  ApplyEngravingFile(std::move(again), &ws2);
  if (EngravingFileLines(ws2) != lines) std::abort();
  return 0;
}
