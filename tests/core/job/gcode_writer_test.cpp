#include "core/job/gcode_writer.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <locale>
#include <string>
#include <vector>

#include "core/job/order_job.h"
#include "core/text/line_file.h"
#include "support/temp_folder.h"
#include "core/job/job_test_host.h"
#include "support/golden_file.h"

namespace pistora {
namespace {

using Lines = std::vector<std::string>;

Contour Track(const std::string& path_text, int sx, int sy) {
  Contour c;
  c.PathText = path_text;
  c.StartX = c.EndX = sx;
  c.StartY = c.EndY = sy;
  return c;
}

Contour Pad(int sx, int sy, int cx, int cy) {
  Contour c = Track("(" + std::to_string(sx) + ";" + std::to_string(sy) + ")+*+**+*+-*-**-*-CLOSED", sx, sy);
  c.IsPad = true;
  c.CenterX = cx;
  c.CenterY = cy;
  return c;
}

const ProgramContext kTenthMm{0.1, JobParameters{}};

TEST(FormatMm, ThreeDecimalsWithAPoint) {
  struct Row {
    std::int64_t p;
    double size;
    const char* text;
  } rows[] = {
      {0, 0.1, "0.000"},       {127, 0.1, "12.700"},  {1, 0.0625, "0.062"},   // half to even
      {3, 0.0625, "0.188"},    {-1, 0.1, "-0.100"},   {-5, 0.0, "0.000"},     // no "-0.000"
      {12, 0.0, "0.000"},      {2500, 0.0423333, "105.833"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.p) + " x " + std::to_string(r.size));
    EXPECT_EQ(FormatMm(r.p, r.size), r.text);
  }
}

TEST(FormatMm, CommaLocaleStillWritesAPoint) {
  struct CommaNumpunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaNumpunct));
  const std::string c_locale = std::setlocale(LC_ALL, nullptr);
  std::setlocale(LC_ALL, "fr_FR.UTF-8");  // when installed; the global C++ locale is set anyway
  const std::string text = FormatMm(25, 0.1);
  const Lines approach = FormatApproach(kTenthMm, 25, 7);
  std::setlocale(LC_ALL, c_locale.c_str());
  std::locale::global(previous);
  EXPECT_EQ(text, "2.500");
  EXPECT_EQ(approach[1], "G00 X2.500 Y0.700");
}

TEST(ProgramLines, WorkedExample) {
  const Contour c = Track("(10;20)+*+*+*++++*+CLOSED Points : 6Fin(15,23)", 10, 20);
  Lines lines = FormatApproach(kTenthMm, c.StartX, c.StartY);
  const Lines moves = FormatPathMoves(kTenthMm, c);
  lines.insert(lines.end(), moves.begin(), moves.end());
  EXPECT_EQ(lines, (Lines{"G00 Z1.5", "G00 X1.000 Y2.000", "G00 Z-0.25", "G01 X1.300 Y2.000", "G01 X1.500 Y2.200",
                          "G01 X1.500 Y2.300"}));
}

TEST(ProgramLines, PathWalks) {
  struct Row {
    const char* name;
    const char* text;
    Lines expected;
  } rows[] = {
      {"straight run gives one line to its end", "(2;3)+*+*+*+*NOTCLOSED Points : 4Fin(6,3)", {"G01 X0.600 Y0.300"}},
      {"closed square ends on its start",
       "(1;1)+*+**+*+-*-**-*-CLOSED",
       {"G01 X0.300 Y0.100", "G01 X0.300 Y0.300", "G01 X0.100 Y0.300", "G01 X0.100 Y0.100"}},
      {"no codes: one line to the start", "(1;1)CLOSED Points : 0Fin(1,1)", {"G01 X0.100 Y0.100"}},
      {"empty body", "(1;1)", {"G01 X0.100 Y0.100"}},
      {"an unknown pair moves nothing but changes the code",
       "(1;1)+*+X+*CLOSED",
       {"G01 X0.200 Y0.100", "G01 X0.200 Y0.100", "G01 X0.300 Y0.100"}},
      {"a repeated unknown pair writes once", "(1;1)*X*X+*", {"G01 X0.100 Y0.100", "G01 X0.200 Y0.100"}},
      {"a pair not starting with a code character ends the walk", "(1;1)+*a+*+*", {"G01 X0.200 Y0.100"}},
      {"a single trailing character ends the walk", "(1;1)*++", {"G01 X0.100 Y0.200"}},
      {"diagonal staircase stays as alternating segments",
       "(0;0)+**++**+",
       {"G01 X0.100 Y0.000", "G01 X0.100 Y0.100", "G01 X0.200 Y0.100", "G01 X0.200 Y0.200"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Contour c = Track(r.text, 0, 0);
    // The walk starts from the stored start point, not from the text.
    std::sscanf(r.text, "(%d;%d)", &c.StartX, &c.StartY);
    EXPECT_EQ(FormatPathMoves(kTenthMm, c), r.expected);
  }
}

TEST(ProgramLines, DrillHoleAndTextsCopiedAsTyped) {
  EXPECT_EQ(FormatDrillHole(kTenthMm, 50, 40),
            (Lines{"G00 Z1.5", "G00 X5.000 Y4.000", "F100", "G01 Z-1.7", "F350"}));
  ProgramContext odd{0.0, JobParameters{"", "2,5", "", "", "0100", true}};
  EXPECT_EQ(FormatApproach(odd, 3, 4), (Lines{"G00 Z", "G00 X0.000 Y0.000", "G00 Z-"}));
  EXPECT_EQ(FormatDrillHole(odd, 3, 4), (Lines{"G00 Z", "G00 X0.000 Y0.000", "F0100", "G01 Z-2,5", "F"}));
}

// One useful track, one pad, one useless contour and one pad that is also useless.
Workspace SmallJob() {
  Workspace ws;
  ws.PixelSizeMm = 0.1;
  ws.EngravingBitmap = Bitmap(40, 30, kBlack);
  ws.Table.items.push_back(Track("(20;10)+*+**+-*CLOSED Points : 4Fin(20,10)", 20, 10));
  ws.Table.items.push_back(Pad(4, 3, 5, 4));
  Contour useless = Track("(1;1)+*CLOSED", 1, 1);
  useless.IsUseless = true;
  ws.Table.items.push_back(useless);
  Contour useless_pad = Pad(30, 20, 31, 21);
  useless_pad.IsUseless = true;
  ws.Table.items.push_back(useless_pad);
  return ws;
}

TEST(Programs, EngravingShape) {
  Workspace ws = SmallJob();
  testing::JobTestHost host;
  OrderJob(ws, JobMode::Engraving);
  const ProgramText text = BuildEngravingProgram(ws, host, JobParameters{});
  EXPECT_FALSE(text.Stopped);
  // The pad is nearest the origin: three lines at its centre, then the track.
  EXPECT_EQ(text.Lines, (Lines{"(debut programme gravure)", "%", "F350", "M03",
                               "G00 Z1.5", "G00 X0.500 Y0.400", "G00 Z-0.25",
                               "G00 Z1.5", "G00 X2.000 Y1.000", "G00 Z-0.25",
                               "G01 X2.200 Y1.000", "G01 X2.200 Y1.100", "G01 X2.100 Y1.100",
                               "G00 Z1.5", "G00 X0.000 Y0.000", "M05", "M30  (Fin programme gravure)"}));
}

TEST(Programs, DrillingShapeWithoutSpindle) {
  Workspace ws = SmallJob();
  testing::JobTestHost host;
  JobParameters p;
  p.SpindleControl = false;
  p.EngravingFeed = "420";
  OrderJob(ws, JobMode::Drilling);
  const ProgramText text = BuildDrillingProgram(ws, host, p);
  EXPECT_EQ(text.Lines, (Lines{"(debut programme per\xC3\xA7" "age)", "%", "F420",
                               "G00 Z1.5", "G00 X0.500 Y0.400", "F100", "G01 Z-1.7", "F420",
                               "G00 Z1.5", "G00 X3.100 Y2.100", "F100", "G01 Z-1.7", "F420",
                               "G00 Z1.5", "G00 X0.000 Y0.000", "M30  (Fin programme per\xC3\xA7" "age)"}));
}

TEST(Programs, NoEligibleContourGivesHeadAndTrailer) {
  Workspace ws;
  testing::JobTestHost host;
  OrderJob(ws, JobMode::Drilling);
  EXPECT_EQ(BuildDrillingProgram(ws, host, JobParameters{}).Lines.size(), 8u);
  EXPECT_EQ(host.pumps, 0);
}

TEST(Programs, StopMidRunKeepsTheTrailer) {
  Workspace ws = SmallJob();
  testing::JobTestHost host(&ws.StopRequest, 2);  // "&Stop !" while the second object waits
  OrderJob(ws, JobMode::Engraving);
  const ProgramText text = BuildEngravingProgram(ws, host, JobParameters{});
  EXPECT_TRUE(text.Stopped);
  EXPECT_EQ(text.Lines, (Lines{"(debut programme gravure)", "%", "F350", "M03", "G00 Z1.5", "G00 X0.500 Y0.400",
                               "G00 Z-0.25", "G00 Z1.5", "G00 X0.000 Y0.000", "M05",
                               "M30  (Fin programme gravure)"}));
}

class GenerateProgram : public testing::TempFolderTest {
 protected:
  std::string Path(const std::string& name) const { return PathOf(name); }
  static std::string Bytes(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path, &bytes).ok()) << path;
    return bytes;
  }
  const std::filesystem::path dir_ = folder_.path();
};

TEST_F(GenerateProgram, WritesLatin1CrLfAndClearsTheView) {
  Workspace ws = SmallJob();
  ws.StopRequest = true;  // left over from an earlier run: cleared before the job
  testing::JobTestHost host;
  ProgramReport report;
  ASSERT_TRUE(GenerateDrillingProgram(ws, host, JobParameters{}, Path("board"), &report).ok());
  EXPECT_EQ(report.Path, Path("board.iso"));
  EXPECT_EQ(report.LineCount, 18u);
  EXPECT_FALSE(report.Stopped);
  EXPECT_FALSE(ws.StopRequest);
  const std::string bytes = Bytes(report.Path);
  EXPECT_EQ(bytes.substr(0, 30), "(debut programme per\xE7" "age)\r\n%\r\n");
  EXPECT_EQ(bytes.substr(bytes.size() - 30), "M30  (Fin programme per\xE7" "age)\r\n");
  EXPECT_EQ(ws.EngravingBitmap, Bitmap(40, 30, kWhite));
  ASSERT_FALSE(host.refreshed.empty());
  EXPECT_EQ(host.refreshed.front(), View::Engraving);
  EXPECT_EQ(ws.Table[1].JobOrder, 1);  // the drilling order stays in the table
}

TEST_F(GenerateProgram, NameCompletion) {
  Workspace ws = SmallJob();
  testing::JobTestHost host;
  ProgramReport report;
  for (const auto& [chosen, written] : std::vector<std::pair<std::string, std::string>>{
           {"board.iso.txt", "board.iso.txt"}, {"board.ISO", "board.ISO.iso"}, {"board.iso", "board.iso"}}) {
    SCOPED_TRACE(chosen);
    ASSERT_TRUE(GenerateEngravingProgram(ws, host, JobParameters{}, Path(chosen), &report).ok());
    EXPECT_EQ(report.Path, Path(written));
    EXPECT_TRUE(std::filesystem::exists(report.Path));
  }
}

TEST_F(GenerateProgram, FailedWriteKeepsTheOlderFile) {
  const std::string path = Path("old.iso");
  ASSERT_TRUE(WriteFileAtomically(path, "older program\r\n").ok());
  Workspace ws = SmallJob();
  testing::JobTestHost host;
  for (const WriteFaultPlan& plan : {WriteFaultPlan{40, false}, WriteFaultPlan{-1, true}}) {
    SetWriteFaultPlanForTesting(plan);
    const Status status = GenerateEngravingProgram(ws, host, JobParameters{}, path);
    SetWriteFaultPlanForTesting(WriteFaultPlan{});
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.message().empty());
    EXPECT_EQ(Bytes(path), "older program\r\n");
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator()), 1);
}

TEST_F(GenerateProgram, NoProgramFromAnUnusableSizeOrAPointOffThePicture) {
  // Neither program is written (nor an older one replaced) from a size that would give INF,
  // all-zero or mirrored moves, or from a contour that leaves the 40 x 30 picture.
  struct Row {
    const char* name;
    double pixel_size;
    int centre_x;
    const char* expected;
  } rows[] = {
      {"infinite size", std::numeric_limits<double>::infinity(), 5, "taille d'un pixel"},
      {"zero size", 0.0, 5, "taille d'un pixel"},
      {"negative size", -0.1, 5, "taille d'un pixel"},
      {"pad 54 km to the left", 0.1, -540000, "le contour 1 sort de l'image (40 x 30 pixels)"},
      {"pad past the right edge", 0.1, 41, "le contour 1 sort de l'image"},
  };
  const std::string path = Path("old.iso");
  ASSERT_TRUE(WriteFileAtomically(path, "older program\r\n").ok());
  testing::JobTestHost host;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Workspace ws = SmallJob();
    ws.PixelSizeMm = row.pixel_size;
    ws.Table.items[1].CenterX = row.centre_x;
    for (bool drilling : {false, true}) {
      const Status status = drilling ? GenerateDrillingProgram(ws, host, JobParameters{}, path)
                                     : GenerateEngravingProgram(ws, host, JobParameters{}, path);
      EXPECT_FALSE(status.ok());
      EXPECT_NE(status.message().find(row.expected), std::string::npos) << status.message();
      EXPECT_EQ(Bytes(path), "older program\r\n");
    }
  }
}

TEST_F(GenerateProgram, GoldenPrograms) {
  // A little job with tracks in every direction, a diagonal, an open trace and pads.
  Workspace ws;
  ws.PixelSizeMm = 25.4 / 600;
  ws.Table.items.push_back(Track("(40;12)+*+*+*++++*+*+*+-+---*-*-*-*-**-CLOSED Points : 18Fin(40,12)", 40, 12));
  ws.Table.items.push_back(Pad(10, 11, 11, 12));
  ws.Table.items.push_back(Track("(80;60)*+*+*+-+-+-*NOTCLOSED Points : 6Fin(76,65)", 80, 60));
  ws.Table[2].EndX = 76;
  ws.Table[2].EndY = 65;
  ws.Table.items.push_back(Pad(70, 64, 71, 65));
  ws.Table.items.push_back(Pad(90, 5, 91, 6));
  ws.Table[4].IsUseless = true;
  testing::JobTestHost host;
  ASSERT_TRUE(GenerateEngravingProgram(ws, host, JobParameters{}, Path("golden-gravure.iso")).ok());
  ASSERT_TRUE(GenerateDrillingProgram(ws, host, JobParameters{}, Path("golden-percage.iso")).ok());
  EXPECT_EQ(testing::CompareWithGolden("job-gravure.iso", Bytes(Path("golden-gravure.iso"))), "");
  EXPECT_EQ(testing::CompareWithGolden("job-percage.iso", Bytes(Path("golden-percage.iso"))), "");
}

}  // namespace
}  // namespace pistora
