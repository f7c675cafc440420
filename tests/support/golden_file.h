#pragma once

#include <string>

namespace pistora::testing {

// Compares `bytes` with tests/golden/<name> byte for byte (the source folder comes from
// PISTORA_SOURCE_DIR, set by the test runner). With PISTORA_UPDATE_GOLDEN=1 the file is
// rewritten instead, so a change of output is reviewed as a diff.
// Returns an empty string on a match, otherwise what differs.
std::string CompareWithGolden(const std::string& name, const std::string& bytes);

}  // namespace pistora::testing
