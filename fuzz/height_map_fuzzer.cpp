// Height maps: read by the machine window's height-map window and by `pistora-cli run --height-map`.
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/machine/height_map_file.h"
#include "fuzz_input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pistora;
  const std::string& path = fuzz::WriteInputFile(data, size, ".txt");
  HeightMap map;
  const Status read = LoadHeightMap(path, &map);
  if (!read) {
    if (!map.Empty() || read.message().empty()) std::abort();  // refused: untouched, and told why
    return 0;
  }
  // A map that reads is a whole grid a run can follow: finite heights everywhere, inside and
  // outside the grid, short segments, and it writes back to the same map.
  const HeightGrid& grid = map.Grid();
  if (grid.columns < 1 || grid.rows < 1) std::abort();
  for (const double x : {grid.origin_x - 5, grid.origin_x, grid.origin_x + grid.step_x * grid.columns / 2.0,
                         grid.origin_x + grid.step_x * grid.columns + 5}) {
    for (const double y : {grid.origin_y - 5, grid.origin_y, grid.origin_y + grid.step_y * grid.rows / 3.0}) {
      if (!std::isfinite(map.HeightAt(x, y))) std::abort();
    }
  }
  if (!(map.MaxSegmentLength() > 0.0)) std::abort();
  Status again;
  const HeightMap reread = ParseHeightMapLines(HeightMapLines(map), "again", &again);
  if (!again || !(reread.Grid() == grid)) std::abort();
  return 0;
}
