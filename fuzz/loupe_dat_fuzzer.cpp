// loupe.dat: the magnifier's settings, read when its settings window opens.
#include <cstdlib>

#include "core/settings/loupe_settings.h"
#include "fuzz_input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pistora;
  const std::string& path = fuzz::WriteInputFile(data, size, ".dat");
  LoupeSettings settings;
  (void)LoadLoupeSettings(path, &settings);
  // Whatever the file held, the values taken stay in their ranges.
  if (settings.SliderPosition < kLoupeMinPosition || settings.SliderPosition > kLoupeMaxPosition) std::abort();
  if (settings.OffsetX < -kLoupeMaxOffset || settings.OffsetX > kLoupeMaxOffset) std::abort();
  if (settings.OffsetY < -kLoupeMaxOffset || settings.OffsetY > kLoupeMaxOffset) std::abort();
  (void)ZoomPercentText(settings.SliderPosition);
  const LoupePoint origin = PictureOrigin(settings.OffsetX, settings.OffsetY);
  (void)SourceSquare(origin, HalfSide(settings.SliderPosition));
  return 0;
}
