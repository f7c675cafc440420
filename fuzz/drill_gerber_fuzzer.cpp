// Drill files (Excellon) and Gerber layers: read by "Charger le typon d'origine" and by convert.
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "core/job/excellon.h"
#include "core/job/gerber_extent.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pistora;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  DrillFile file;
  if (ParseDrillFile(text, "f.drl", &file)) {
    // Every hole the reader gives can be drilled: a finite place on a board, a real diameter.
    for (const DrillHole& hole : file.holes) {
      if (!(std::abs(hole.x_mm) <= 10000.0 && std::abs(hole.y_mm) <= 10000.0)) std::abort();
      if (!(hole.diameter_mm > 0.0 && hole.diameter_mm <= 10.0)) std::abort();
    }
  }
  BoardBox box;
  if (ScanGerberExtent(text, "f.gbr", &box) && (box.empty || !(box.min_x <= box.max_x && box.min_y <= box.max_y))) {
    std::abort();
  }
  return 0;
}
