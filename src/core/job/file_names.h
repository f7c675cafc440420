#pragma once

#include <string>

namespace pistora {

// File dialogs complete a chosen name by appending the expected extension when the name
// does not contain it anywhere (case-sensitive): "board" -> "board.iso",
// "board.iso.txt" stays as it is.
std::string CompleteFileName(const std::string& name, const std::string& extension);

}  // namespace pistora
