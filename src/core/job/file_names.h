#pragma once

#include <string>
#include <vector>

namespace pistora {

// File dialogs complete a chosen name by appending the expected extension when the name
// does not contain it anywhere (case-sensitive): "board" -> "board.iso",
// "board.iso.txt" stays as it is.
std::string CompleteFileName(const std::string& name, const std::string& extension);

// The files a job makes from an artwork, beside it: "dir/board.bmp" gives "dir/board.grv",
// "dir/board-gravure.iso" and "dir/board-percage.iso" (the stem is the name up to its last dot).
struct JobFileNames {
  std::string engraving_file;
  std::string engraving_program;
  std::string drilling_program;
};
JobFileNames JobFileNamesFor(const std::string& artwork_path);

// The list of files opened lately with `path` put first: an earlier entry of the same path goes,
// and the list keeps at most `limit` entries.
std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path,
                                        std::size_t limit);

}  // namespace pistora
