#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pistora::fuzz {

// The readers take a path, as they do in use: each input is written to one scratch file per
// process (under $TMPDIR or /tmp, ending in `extension`) and read back from there.
const std::string& WriteInputFile(const std::uint8_t* data, std::size_t size,
                                  const std::string& extension);

}  // namespace pistora::fuzz
