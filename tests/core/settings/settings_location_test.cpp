#include "core/settings/settings_location.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <iterator>

#include <filesystem>
#include <fstream>
#include <set>

namespace pistora {
namespace {

namespace fs = std::filesystem;

// Every combination of the three facts the rule looks at, with where each file must be read and
// written: a file saved is the one read next, and nothing is written in a folder that refuses it.
TEST(SettingsLocation, ReadsAndWritesByTheRule) {
  struct Case {
    bool user_file;
    bool program_writable;
    bool program_file;
    bool read_from_user;
    bool write_to_user;
  };
  const Case cases[] = {
      {false, true, false, false, false}, {false, true, true, false, false},  // as before
      {false, false, false, true, true},  {false, false, true, false, true},  // installed program
      {true, true, false, true, true},    {true, true, true, true, true},     // the user's copy wins
      {true, false, false, true, true},   {true, false, true, true, true},
  };
  const fs::path program = "/opt/pistora/bin";
  const fs::path user = "/home/u/.config/pistora";
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "user file " << c.user_file << ", program folder writable "
                                    << c.program_writable << ", program file " << c.program_file);
    std::set<fs::path> files;
    if (c.user_file) files.insert(user / "cn.dat");
    if (c.program_file) files.insert(program / "cn.dat");
    const SettingsLocation location(
        program, user, [&](const fs::path& folder) { return folder == program && c.program_writable; },
        [&](const fs::path& file) { return files.count(file) > 0; });
    EXPECT_EQ(location.ReadPath("cn.dat"), (c.read_from_user ? user : program) / "cn.dat");
    const fs::path written = location.WritePath("cn.dat");
    EXPECT_EQ(written, (c.write_to_user ? user : program) / "cn.dat");
    // What was written is what is read next.
    files.insert(written);
    EXPECT_EQ(location.ReadPath("cn.dat"), written);
  }
}

// The real file system and its probe. /proc stands for the installed program's folder: no one,
// root included, can create a file there.
TEST(SettingsLocation, ReadOnlyProgramFolderSendsWritesToTheUsersFolder) {
  const fs::path program = "/proc";
  const fs::path root = fs::temp_directory_path() / ("pistora-location-" + std::to_string(getpid()));
  const fs::path user = root / "config" / "pistora";
  fs::remove_all(root);
  ASSERT_FALSE(FolderWritable(program));
  EXPECT_FALSE(FolderWritable(user)) << "a missing folder";

  const SettingsLocation location(program, user);
  EXPECT_EQ(location.ReadPath("param.txt"), user / "param.txt") << "nothing to read: the place of the next save";
  const fs::path target = location.WritePath("param.txt");
  ASSERT_EQ(target, user / "param.txt");
  ASSERT_EQ(PrepareFolderFor(target), "");
  std::ofstream(target) << "mine\r\n";
  EXPECT_EQ(location.ReadPath("param.txt"), target);
  EXPECT_TRUE(FolderWritable(user));
  EXPECT_EQ(std::distance(fs::directory_iterator(user), fs::directory_iterator()), 1) << "the probe left a file";
  fs::remove_all(root);
}

}  // namespace
}  // namespace pistora
