#include "core/text/line_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "core/text/latin1.h"
#include "support/temp_folder.h"

namespace pistora {
namespace {

class LineFileTest : public testing::TempFolderTest {
 protected:
  std::string Path(const char* name) const { return PathOf(name); }
  const std::filesystem::path dir_ = folder_.path();
};

TEST_F(LineFileTest, WritesLatin1WithCrLfAndReadsItBack) {
  const std::vector<std::string> lines = {"(debut programme per\xC3\xA7" "age)", "", "F350"};
  ASSERT_TRUE(WriteLatin1LinesAtomically(Path("a.iso"), lines));
  EXPECT_EQ(Slurp(Path("a.iso")), std::string("(debut programme per\xE7" "age)\r\n\r\nF350\r\n"));
  std::vector<std::string> back;
  ASSERT_TRUE(ReadLatin1Lines(Path("a.iso"), &back));
  EXPECT_EQ(back, lines);
}

TEST_F(LineFileTest, AcceptsLoneLineFeedsAndAFinalLineWithoutEnd) {
  EXPECT_EQ(SplitLines("a\nb\r\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST_F(LineFileTest, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int c = 1; c < 256; ++c) {
    if (c != '\r' && c != '\n') all.push_back(static_cast<char>(c));
  }
  EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
}

TEST_F(LineFileTest, MissingFileIsAClearError) {
  std::vector<std::string> lines{"kept"};
  Status s = ReadLatin1Lines(Path("none.txt"), &lines);
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.message().find("none.txt"), std::string::npos);
}

TEST_F(LineFileTest, FailedWritesKeepThePreviousFile) {
  ASSERT_TRUE(WriteLatin1LinesAtomically(Path("p.txt"), {"old"}));
  SetWriteFaultPlanForTesting({.fail_after_bytes = 2, .fail_rename = false});
  Status full = WriteLatin1LinesAtomically(Path("p.txt"), {"new content"});
  EXPECT_FALSE(full.ok());
  EXPECT_EQ(Slurp(Path("p.txt")), "old\r\n");
  SetWriteFaultPlanForTesting({.fail_after_bytes = -1, .fail_rename = true});
  EXPECT_FALSE(WriteLatin1LinesAtomically(Path("p.txt"), {"new content"}).ok());
  EXPECT_EQ(Slurp(Path("p.txt")), "old\r\n");
  SetWriteFaultPlanForTesting({});
  // No temporary file is left behind.
  int files = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir_)) ++files;
  EXPECT_EQ(files, 1);
}

TEST_F(LineFileTest, ReadOnlyFolderIsReportedAndNothingChanges) {
  if (::geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
  ASSERT_TRUE(WriteLatin1LinesAtomically(Path("p.txt"), {"old"}));
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  EXPECT_FALSE(WriteLatin1LinesAtomically(Path("p.txt"), {"new"}).ok());
  EXPECT_EQ(Slurp(Path("p.txt")), "old\r\n");
}

}  // namespace
}  // namespace pistora
