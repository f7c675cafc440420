#include "hw/simulated_surface.h"

#include <cmath>

#include "core/text/numbers.h"

namespace pistora {

double SimulatedSurface::HeightAt(double x, double y) const {
  // A spherical warp, as a plate bends: a paraboloid of revolution (for a square plate) whose
  // middle is `bow` above the middle of each edge and 2 × `bow` above the corners, taken from the
  // start corner: 4u(1−u) + 4v(1−v).
  const double u = x / size_x;
  const double v = y / size_y;
  return tilt_x * x / 100 + tilt_y * y / 100 + bow * 4 * (u * (1 - u) + v * (1 - v));
}

std::optional<SimulatedSurface> ParseSimulatedSurface(std::string_view text, std::string* error) {
  SimulatedSurface surface;
  bool tilt = false, bow = false, size = false;
  const auto fail = [&](const std::string& why) {
    if (error) *error = "surface simulée \xC2\xAB " + std::string(text) + " \xC2\xBB : " + why;
    return std::nullopt;
  };
  const auto pair = [](std::string_view v, char separator, double* a, double* b) {
    const std::size_t at = v.find(separator);
    if (at == std::string_view::npos) return false;
    const auto first = ParseDecimal(v.substr(0, at));
    const auto second = ParseDecimal(v.substr(at + 1));
    if (!first || !second) return false;
    *a = *first;
    *b = *second;
    return true;
  };
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view item = text.substr(start, end - start);
    start = end + 1;
    if (item.empty()) continue;
    const std::size_t equal = item.find('=');
    const std::string_view key = item.substr(0, equal);
    const std::string_view value = equal == std::string_view::npos ? std::string_view() : item.substr(equal + 1);
    if (key == "tilt" && !tilt) {
      if (!pair(value, ',', &surface.tilt_x, &surface.tilt_y)) return fail("tilt=X,Y attendu (mm sur 100 mm).");
      tilt = true;
    } else if (key == "bow" && !bow) {
      const auto b = ParseDecimal(value);
      if (!b) return fail("bow=MM attendu.");
      surface.bow = *b;
      bow = true;
    } else if (key == "size" && !size) {
      if (!pair(value, 'x', &surface.size_x, &surface.size_y) || !(surface.size_x > 0) || !(surface.size_y > 0)) {
        return fail("size=LxH attendu (mm, positifs).");
      }
      size = true;
    } else {
      return fail("\xC2\xAB " + std::string(item) + " \xC2\xBB inconnu ou répété (tilt=X,Y ; bow=MM ; size=LxH).");
    }
  }
  return surface;
}

}  // namespace pistora
