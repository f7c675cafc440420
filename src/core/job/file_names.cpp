#include "core/job/file_names.h"

namespace pistora {

std::string CompleteFileName(const std::string& name, const std::string& extension) {
  if (name.find(extension) != std::string::npos) return name;
  return name + extension;
}

}  // namespace pistora
