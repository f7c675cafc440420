#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/analysis_pipeline.h"
#include "cli/command_table.h"
#include "core/artwork/bmp_writer.h"
#include "core/artwork/polygonal.h"
#include "core/artwork/thickening.h"
#include "core/job/engraving_file.h"
#include "core/text/line_file.h"
#include "image/artwork_loader.h"
#include "support/temp_folder.h"

namespace pistora::cli {
namespace {

namespace fs = std::filesystem;

// Two copper islands on a white board.
Bitmap TwoIslands() {
  Bitmap b(40, 30);
  for (int row = 8; row <= 22; ++row) {
    for (int x = 6; x <= 16; ++x) b.Set(x, row, kBlack);
    for (int x = 22; x <= 34; ++x) b.Set(x, row, kBlack);
  }
  return b;
}

class PreprocessCommand : public pistora::testing::TempFolderTest {
 protected:
  void SetUp() override { ASSERT_TRUE(SaveBmp24(PathOf("board.bmp"), TwoIslands()).ok()); }
  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"pistora-cli", "preprocess"});
    out_.str("");
    err_.str("");
    return Main(args, out_, err_);
  }

  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(PreprocessCommand, WritesThePreprocessedArtworkAsA24BitBmp) {
  ASSERT_EQ(Run({PathOf("board.bmp"), "-o", PathOf("out.bmp")}), 0) << err_.str();
  EXPECT_NE(out_.str().find("out.bmp"), std::string::npos);
  Workspace expected;
  expected.ArtworkBitmap = TwoIslands();
  NullHost host;
  PreprocessArtwork(expected, host);
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(PathOf("out.bmp"), &bytes).ok());
  EXPECT_EQ(bytes, EncodeBmp24(expected.ArtworkBitmap));
  Bitmap reread;
  ASSERT_TRUE(LoadArtwork(PathOf("out.bmp"), &reread).ok());
  EXPECT_EQ(reread, expected.ArtworkBitmap);
}

TEST_F(PreprocessCommand, BadUsageAndBadFilesLoseNothing) {
  ASSERT_TRUE(WriteFileAtomically(PathOf("keep.bmp"), "previous").ok());
  const struct {
    const char* name;
    std::vector<std::string> args;
    int code;
  } cases[] = {
      {"no output", {PathOf("board.bmp")}, 2},
      {"two artworks", {PathOf("board.bmp"), PathOf("board.bmp"), "-o", PathOf("keep.bmp")}, 2},
      {"unknown option", {PathOf("board.bmp"), "--fast", "-o", PathOf("keep.bmp")}, 2},
      {"missing artwork", {PathOf("none.bmp"), "-o", PathOf("keep.bmp")}, 1},
      {"not a picture", {PathOf("keep.bmp"), "-o", PathOf("keep.bmp")}, 1},
      {"output folder missing", {PathOf("board.bmp"), "-o", PathOf("no/such/dir/out.bmp")}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Run(c.args), c.code);
    EXPECT_FALSE(err_.str().empty());
    std::string kept;
    ASSERT_TRUE(ReadFileBytes(PathOf("keep.bmp"), &kept).ok());
    EXPECT_EQ(kept, "previous");
  }
}

// The contour rewrites of analyse and convert: --smooth, then --thicken [N] times.
class RewriteOptions : public PreprocessCommand {
 protected:
  std::string ExpectedEngravingFile(int thicken_times, bool smooth) {
    Workspace ws;
    EXPECT_TRUE(AnalyseArtworkFile(PathOf("board.bmp"), ExtractionSettings{}, 25.4 / 600, &ws).ok());
    NullHost host;
    ApplyContourRewrites(ws, host, ExtractionSettings{}.hole_size, thicken_times, smooth);
    EXPECT_TRUE(SaveEngravingFile(PathOf("expected.grv"), ws).ok());
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(PathOf("expected.grv"), &bytes).ok());
    return bytes;
  }
  std::string Read(const std::string& name) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(PathOf(name), &bytes).ok()) << name;
    return bytes;
  }
  int RunCommand(const std::string& command, std::vector<std::string> args) {
    args.insert(args.begin(), {"pistora-cli", command});
    out_.str("");
    err_.str("");
    return Main(args, out_, err_);
  }
};

TEST_F(RewriteOptions, AnalyseAndConvertSmoothThenThicken) {
  const struct {
    const char* name;
    std::vector<std::string> options;
    int thicken_times;
    bool smooth;
  } cases[] = {
      {"none", {}, 0, false},
      {"thicken once", {"--thicken"}, 1, false},
      {"thicken twice and smooth", {"--thicken", "2", "--smooth"}, 2, true},
      {"smooth only", {"--smooth"}, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string expected = ExpectedEngravingFile(c.thicken_times, c.smooth);
    std::vector<std::string> analyse = {PathOf("board.bmp"), "-o", PathOf("out.grv"), "--dpi", "600"};
    analyse.insert(analyse.end(), c.options.begin(), c.options.end());
    ASSERT_EQ(RunCommand("analyse", analyse), 0) << err_.str();
    EXPECT_EQ(Read("out.grv"), expected);
    std::vector<std::string> convert = {PathOf("board.bmp"), "--out-dir", PathOf("job"), "--dpi", "600"};
    convert.insert(convert.end(), c.options.begin(), c.options.end());
    ASSERT_EQ(RunCommand("convert", convert), 0) << err_.str();
    EXPECT_EQ(Read("job/board.grv"), expected);
  }
  // The rewrites change the tracks of this board.
  EXPECT_NE(ExpectedEngravingFile(1, false), ExpectedEngravingFile(0, false));
}

TEST_F(RewriteOptions, BadThickenCountsAreRefused) {
  for (const char* bad : {"--thicken=-1", "--thicken=101", "--thicken=x"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(RunCommand("analyse", {PathOf("board.bmp"), "-o", PathOf("bad.grv"), "--dpi", "600", bad}), 2);
    EXPECT_NE(err_.str().find("--thicken"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(PathOf("bad.grv")));
  }
}

}  // namespace
}  // namespace pistora::cli
