// param.txt: the main window's job settings, read at start-up.
#include <cstdlib>

#include "core/settings/main_settings.h"
#include "fuzz_input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pistora;
  const std::string& path = fuzz::WriteInputFile(data, size, ".txt");
  MainSettings settings;
  if (!LoadMainSettings(path, &settings)) return 0;
  // What was read writes back to the same settings.
  if (MainSettingsFromLines(MainSettingsLines(settings)) != settings) std::abort();
  return 0;
}
