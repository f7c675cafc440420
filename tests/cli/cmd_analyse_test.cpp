#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/analysis_pipeline.h"
#include "cli/command_table.h"
#include "core/artwork/bmp_writer.h"
#include "core/artwork/extraction.h"
#include "core/job/engraving_file.h"
#include "core/text/numbers.h"
#include "support/temp_folder.h"

namespace pistora::cli {
namespace {

namespace fs = std::filesystem;

// An 11 x 11 board: a 7 x 7 copper square with a 3 x 3 hole, and a lone copper pixel.
Bitmap SmallBoard() {
  Bitmap b(16, 11, kWhite);
  for (int row = 2; row <= 8; ++row)
    for (int x = 2; x <= 8; ++x)
      if (!(x >= 4 && x <= 6 && row >= 4 && row <= 6)) b.Set(x, row, kBlack);
  b.Set(13, 5, kBlack);
  return b;
}

class AnalyseCommand : public pistora::testing::TempFolderTest {
 protected:
  void SetUp() override { ASSERT_TRUE(SaveBmp24(PathOf("board.bmp"), SmallBoard())); }
  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"pistora-cli", "analyse"});
    out_.str("");
    err_.str("");
    return Main(args, out_, err_);
  }
  // The file the window saves for the same board, settings and pixel size.
  std::string ExpectedFile(const ExtractionSettings& settings, double pixel_mm) const {
    Workspace ws;
    ws.ArtworkBitmap = SmallBoard();
    ws.EngravingBitmap = Bitmap(16, 11, kWhite);
    NullHost host;
    ExtractContours(ws, host, settings);
    ws.PixelSizeMm = pixel_mm;
    const std::string path = PathOf("expected.grv");
    EXPECT_TRUE(SaveEngravingFile(path, ws));
    return Slurp(path);
  }

  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(AnalyseCommand, WritesTheEngravingFileOfTheProcessedArtwork) {
  ASSERT_EQ(Run({PathOf("board.bmp"), "-o", PathOf("out.grv"), "--pixel-mm", "0.0254"}), 0) << err_.str();
  const std::string written = Slurp(PathOf("out.grv"));
  EXPECT_EQ(written, ExpectedFile(ExtractionSettings{}, 0.0254));
  // Head: pixel size, height, width, three contours (outline, hole, lone pixel).
  const std::string head = " 2.54000000000000E-0002\r\n11\r\n16\r\n3\r\n(1;2)";
  EXPECT_EQ(written.substr(0, head.size()), head);
  EXPECT_NE(out_.str().find("3 contours, 1 pistes utiles, 2 perçages"), std::string::npos) << out_.str();
}

TEST_F(AnalyseCommand, DpiAndProcessingSettingsChangeTheFile) {
  ASSERT_EQ(Run({PathOf("board.bmp"), "-o", PathOf("dpi.grv"), "--dpi", "600", "--hole-size", "0", "--pad-points",
                 "2"}),
            0)
      << err_.str();
  EXPECT_EQ(Slurp(PathOf("dpi.grv")), ExpectedFile(ExtractionSettings{0, 2}, 25.4 / 600));
  EXPECT_EQ(Slurp(PathOf("dpi.grv")).substr(0, 23), FormatScientific23(25.4 / 600));
  EXPECT_NE(out_.str().find("2 pistes utiles, 0 perçages"), std::string::npos) << out_.str();
}

TEST_F(AnalyseCommand, CompletesTheNameWithGrv) {
  ASSERT_EQ(Run({PathOf("board.bmp"), "-o", PathOf("named"), "--dpi", "1200"}), 0) << err_.str();
  EXPECT_TRUE(fs::exists(PathOf("named.grv")));
  EXPECT_FALSE(fs::exists(PathOf("named")));
}

TEST_F(AnalyseCommand, WithoutAScaleTakesTheResolutionTheArtworkStates) {
  // The same board stating 23622 pixels per metre (600 dpi) in its information header.
  std::string bytes = EncodeBmp24(SmallBoard());
  for (const int at : {38, 42}) {
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(at + i)] = static_cast<char>((23622 >> (8 * i)) & 0xFF);
  }
  Write(PathOf("stated.bmp"), bytes);
  const ExtractionSettings settings;
  ASSERT_EQ(Run({PathOf("stated.bmp"), "-o", PathOf("out.grv")}), 0) << err_.str();
  EXPECT_EQ(Slurp(PathOf("out.grv")), ExpectedFile(settings, 25.4 / 600));
  EXPECT_NE(err_.str().find("résolution de 600 dpi lue dans le fichier"), std::string::npos) << err_.str();
  // A scale given on the command line wins, and nothing is said of the file's.
  ASSERT_EQ(Run({PathOf("stated.bmp"), "-o", PathOf("out.grv"), "--dpi", "300"}), 0) << err_.str();
  EXPECT_EQ(Slurp(PathOf("out.grv")), ExpectedFile(settings, 25.4 / 300));
  EXPECT_EQ(err_.str().find("résolution"), std::string::npos) << err_.str();
}

TEST_F(AnalyseCommand, BadArgumentsOrArtworkWriteNothing) {
  std::ofstream(PathOf("not_an_image.bmp"), std::ios::binary) << "hello";
  const std::string board = PathOf("board.bmp");
  const std::string out = PathOf("never.grv");
  struct Row {
    const char* name;
    std::vector<std::string> args;
    int code;
    const char* message;  // part of stderr
  };
  const std::vector<Row> rows = {
      {"no output", {board, "--dpi", "600"}, 2, "Usage"},
      {"no artwork", {"-o", out, "--dpi", "600"}, 2, "Usage"},
      {"two artworks", {board, board, "-o", out, "--dpi", "600"}, 2, "Usage"},
      {"no scale", {board, "-o", out}, 2, "--pixel-mm ou par --dpi"},
      {"both scales", {board, "-o", out, "--dpi", "600", "--pixel-mm", "0.1"}, 2, "un seul des deux"},
      {"pixel size not a number", {board, "-o", out, "--pixel-mm", "0,1"}, 2, "--pixel-mm"},
      {"zero pixel size", {board, "-o", out, "--pixel-mm", "0"}, 2, "--pixel-mm"},
      {"negative dpi", {board, "-o", out, "--dpi", "-600"}, 2, "--dpi"},
      {"hole size too large", {board, "-o", out, "--dpi", "600", "--hole-size", "21"}, 2, "--hole-size"},
      {"pad points too small", {board, "-o", out, "--dpi", "600", "--pad-points", "1"}, 2, "--pad-points"},
      {"pad points too large", {board, "-o", out, "--dpi", "600", "--pad-points", "101"}, 2, "--pad-points"},
      {"unknown option", {board, "-o", out, "--dpi", "600", "--fast"}, 2, "--fast"},
      {"missing artwork", {PathOf("absent.bmp"), "-o", out, "--dpi", "600"}, 1, "absent.bmp"},
      {"not an image", {PathOf("not_an_image.bmp"), "-o", out, "--dpi", "600"}, 1, "not_an_image.bmp"},
      {"output folder missing", {board, "-o", PathOf("no/such/dir/x.grv"), "--dpi", "600"}, 1, "x.grv"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Run(r.args), r.code);
    EXPECT_NE(err_.str().find(r.message), std::string::npos) << err_.str();
    EXPECT_FALSE(fs::exists(out));
  }
}

TEST(AnalysisPipeline, RefusesSettingsOutOfRangeAndLeavesTheWorkspace) {
  Workspace ws;
  ws.PixelSizeMm = 3.0;
  EXPECT_FALSE(AnalyseArtworkFile("whatever.bmp", ExtractionSettings{-1, 20}, 0.1, &ws));
  EXPECT_FALSE(AnalyseArtworkFile("whatever.bmp", ExtractionSettings{2, 101}, 0.1, &ws));
  EXPECT_FALSE(AnalyseArtworkFile("whatever.bmp", ExtractionSettings{2, 20}, 0.0, &ws));
  EXPECT_FALSE(AnalyseArtworkFile("absent.bmp", ExtractionSettings{2, 20}, 0.1, &ws));
  EXPECT_EQ(ws.PixelSizeMm, 3.0);
}

}  // namespace
}  // namespace pistora::cli
