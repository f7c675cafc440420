// Names a job proposes from its artwork, and the list of files opened lately.
#include <gtest/gtest.h>

#include "core/job/file_names.h"

namespace pistora {
namespace {

TEST(JobFileNames, FromTheArtworkStem) {
  const struct {
    const char* artwork;
    const char* stem;
  } cases[] = {
      {"/home/a/board.bmp", "/home/a/board"},
      {"/home/a/board.v2.png", "/home/a/board.v2"},
      {"/home/a.b/board", "/home/a.b/board"},  // a dot in the folder is no extension
      {"/home/a/.board", "/home/a/.board"},
      {"board.GIF", "board"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.artwork);
    const JobFileNames names = JobFileNamesFor(c.artwork);
    EXPECT_EQ(names.engraving_file, std::string(c.stem) + ".grv");
    EXPECT_EQ(names.engraving_program, std::string(c.stem) + "-gravure.iso");
    EXPECT_EQ(names.drilling_program, std::string(c.stem) + "-percage.iso");
  }
}

TEST(RecentFiles, MostRecentFirstWithoutRepeatsWithinTheLimit) {
  std::vector<std::string> recent;
  for (const char* opened : {"a", "b", "c", "a", "d", "e"}) recent = WithRecentFile(recent, opened, 4);
  EXPECT_EQ(recent, (std::vector<std::string>{"e", "d", "a", "c"}));
}

}  // namespace
}  // namespace pistora
