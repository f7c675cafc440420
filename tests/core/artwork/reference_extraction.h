#pragma once

#include "core/artwork/extraction.h"

namespace pistora::testing {

// The extraction run written as plainly as possible: every island's outline marking scans
// every row from below its seed to the top, every outline search scans the whole image from
// the bottom row. Slow, and kept only to check that ExtractContours gives the same table,
// diagnostic lines, bitmaps and pumps.
RunOutcome ReferenceExtractContours(Workspace& ws, Host& host, const ExtractionSettings& settings);

}  // namespace pistora::testing
