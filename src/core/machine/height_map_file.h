#pragma once

#include <string>
#include <vector>

#include "core/machine/height_map.h"
#include "core/text/status.h"

namespace pistora {

// The height map as a small text file (Latin-1, CR LF):
//   # comment lines, anywhere
//   grille COLONNES LIGNES X0 Y0 PAS_X PAS_Y
//   x y z            one line per point of the grid, in any order (written in probing order)
// Every number in mm with a "." separator.
std::vector<std::string> HeightMapLines(const HeightMap& map);
HeightMap ParseHeightMapLines(const std::vector<std::string>& lines, const std::string& name, Status* status);

Status SaveHeightMap(const std::string& path, const HeightMap& map);
// A file that does not read as a whole grid is refused, its line named; `map` is then untouched.
Status LoadHeightMap(const std::string& path, HeightMap* map);

}  // namespace pistora
