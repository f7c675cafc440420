#pragma once

#include <string>
#include <vector>

#include "core/artwork/bitmap.h"
#include "core/artwork/copper_map.h"
#include "core/artwork/isolation_check.h"
#include "core/text/status.h"

namespace pistora::cli {

// Lays the groove of a `tool_width_mm` tool along the cutting moves of the engraving program over
// the artwork's copper (black, or processed blue), and takes the drill points of both programs
// (the drilling program may be ""). A program that cannot be read gives its message. `copper`,
// when given, is this artwork's copper already mapped.
Status CheckPrograms(const Bitmap& artwork, double pixel_mm, double tool_width_mm, const std::string& engraving_iso,
                     const std::string& drilling_iso, IsolationReport* report, const CopperMap* copper = nullptr);

// The same with the drilling split in several programs (one per drill), read one after the other.
Status CheckPrograms(const Bitmap& artwork, double pixel_mm, double tool_width_mm, const std::string& engraving_iso,
                     const std::vector<std::string>& drilling_isos, IsolationReport* report,
                     const CopperMap* copper = nullptr);

}  // namespace pistora::cli
