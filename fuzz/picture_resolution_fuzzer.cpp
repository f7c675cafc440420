// The resolution a picture's header states (BMP, PNG, TIFF, JPEG): read before the picture itself,
// for the scale step and for pistora-cli without --dpi.
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "image/picture_resolution.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pistora;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<StatedResolution> r = ReadStatedResolution(bytes);
  if (!r) return 0;
  // A stated resolution can be used as a scale: finite and positive on both axes.
  if (!(std::isfinite(r->dpi_x) && std::isfinite(r->dpi_y) && r->dpi_x > 0.0 && r->dpi_y > 0.0)) std::abort();
  if (!(PixelSizeMmOf(*r) > 0.0) || ResolutionText(*r).empty()) std::abort();
  return 0;
}
