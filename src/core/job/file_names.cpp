#include "core/job/file_names.h"

#include <algorithm>

namespace pistora {

std::string CompleteFileName(const std::string& name, const std::string& extension) {
  if (name.find(extension) != std::string::npos) return name;
  return name + extension;
}

JobFileNames JobFileNamesFor(const std::string& artwork_path) {
  const std::size_t slash = artwork_path.find_last_of('/');
  const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = artwork_path.find_last_of('.');
  // A dot before the name (a folder "a.b/board") or at its start (".board") is not an extension.
  const std::string stem =
      dot != std::string::npos && dot > name_start ? artwork_path.substr(0, dot) : artwork_path;
  return {stem + ".grv", stem + "-gravure.iso", stem + "-percage.iso"};
}

std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path,
                                        std::size_t limit) {
  recent.erase(std::remove(recent.begin(), recent.end(), path), recent.end());
  recent.insert(recent.begin(), path);
  if (recent.size() > limit) recent.resize(limit);
  return recent;
}

}  // namespace pistora
