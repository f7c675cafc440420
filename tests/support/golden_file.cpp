#include "support/golden_file.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace pistora::testing {

namespace {

std::string GoldenPath(const std::string& name) {
  const char* source = std::getenv("PISTORA_SOURCE_DIR");
  return std::string(source != nullptr ? source : PISTORA_DEFAULT_SOURCE_DIR) + "/tests/golden/" + name;
}

// 1-based line and column of a byte offset, for a readable report.
std::string Where(const std::string& bytes, std::size_t offset) {
  std::size_t line = 1, column = 1;
  for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

std::string CompareWithGolden(const std::string& name, const std::string& bytes) {
  const std::string path = GoldenPath(name);
  const char* update = std::getenv("PISTORA_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out ? std::string() : "cannot rewrite " + path;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return "missing golden file " + path + " (run with PISTORA_UPDATE_GOLDEN=1 to create it)";
  const std::string expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (expected == bytes) return {};
  std::size_t i = 0;
  while (i < expected.size() && i < bytes.size() && expected[i] == bytes[i]) ++i;
  std::ostringstream report;
  report << name << " differs at byte " << i << " (" << Where(expected, i) << "): expected " << expected.size()
         << " bytes, got " << bytes.size() << "; rerun with PISTORA_UPDATE_GOLDEN=1 to accept the new output";
  return report.str();
}

}  // namespace pistora::testing
