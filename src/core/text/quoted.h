#pragma once

#include <string>
#include <string_view>

namespace pistora {

// A file name or a list entry as the messages show it: between French quotation marks,
// "« name »" (UTF-8).
inline std::string Quoted(std::string_view text) { return "\xC2\xAB " + std::string(text) + " \xC2\xBB"; }

}  // namespace pistora
