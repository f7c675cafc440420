#include "fuzz_input_file.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace pistora::fuzz {

const std::string& WriteInputFile(const std::uint8_t* data, std::size_t size,
                                  const std::string& extension) {
  static std::map<std::string, std::string> paths;
  static const bool cleanup_registered = [] {
    std::atexit([] {
      for (const auto& entry : paths) std::remove(entry.second.c_str());
    });
    return true;
  }();
  (void)cleanup_registered;
  std::string& path = paths[extension];
  if (path.empty()) {
    const char* tmp = std::getenv("TMPDIR");
    path = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/pistora-fuzz-" +
           std::to_string(::getpid()) + extension;
  }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) std::abort();  // no scratch space: nothing meaningful can be fuzzed
  if (size != 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  std::fclose(f);
  return path;
}

}  // namespace pistora::fuzz
