#include "core/settings/program_data.h"

#include <gtest/gtest.h>

#include <set>

namespace pistora {
namespace {

namespace fs = std::filesystem;

// Beside the executable first (a build folder, an unpacked copy), then the installed layout
// <prefix>/share/pistora/<kind>; the executable's folder again when neither holds the file, so
// that the message about the missing file names the place it was first looked for.
TEST(ProgramDataFolder, BesideTheExecutableThenTheInstalledLayout) {
  struct Case {
    const char* name;
    std::set<fs::path> files;
    fs::path expected;
  };
  const fs::path bin = "/usr/local/bin";
  const Case cases[] = {
      {"build folder", {"/usr/local/bin/fr.lng"}, bin},
      {"installed", {"/usr/local/share/pistora/lng/fr.lng"}, "/usr/local/share/pistora/lng"},
      {"both: beside wins", {"/usr/local/bin/fr.lng", "/usr/local/share/pistora/lng/fr.lng"}, bin},
      {"another kind's folder does not count", {"/usr/local/share/pistora/pictures/fr.lng"}, bin},
      {"nowhere", {}, bin},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ProgramDataFolder(bin, "lng", "fr.lng", [&](const fs::path& p) { return c.files.count(p) > 0; }),
              c.expected);
  }
}

}  // namespace
}  // namespace pistora
