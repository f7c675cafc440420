#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/job/program_moves.h"
#include "core/job/gcode_writer.h"
#include "core/job/job_test_host.h"
#include "core/job/order_job.h"
#include "core/job/random_board.h"
#include "core/machine/iso_program.h"
#include "core/machine/program_time.h"
#include "core/text/line_file.h"
#include "support/golden_file.h"
#include "support/temp_folder.h"

namespace pistora {
namespace {

using Lines = std::vector<std::string>;

JobParameters Standard(Dialect dialect) {
  JobParameters p;
  p.TargetDialect = dialect;
  p.SpindleRpm = "12000";
  return p;
}

Lines Engraving(Workspace ws, const JobParameters& p) {
  testing::JobTestHost host;
  OrderJob(ws, JobMode::Engraving);
  return BuildEngravingProgram(ws, host, p).Lines;
}

// GRBL 1.1's documented G and M words (the program end M30 included); tool words and M06
// are left out on purpose.
bool IsGrblWord(char letter, const std::string& number) {
  static const std::set<std::string> kG = {"0", "00", "1", "01", "2", "02", "3", "03", "4", "04", "10", "17", "18",
                                           "19", "20", "21", "28", "30", "38.2", "38.3", "38.4", "38.5", "40",
                                           "43.1", "49", "53", "54", "55", "56", "57", "58", "59", "61", "80",
                                           "90", "91", "91.1", "92", "92.1", "93", "94"};
  static const std::set<std::string> kM = {"0", "00", "1", "01", "2", "02", "3", "03", "4", "04", "5", "05",
                                           "7", "07", "8", "08", "9", "09", "30", "56"};
  if (letter == 'G') return kG.count(number) > 0;
  if (letter == 'M') return kM.count(number) > 0;
  return std::string("FIJKLNPRSXYZ").find(letter) != std::string::npos;
}

// Empty when every line is one GRBL accepts; otherwise the first fault.
std::string GrblFault(const Lines& lines) {
  for (const std::string& line : lines) {
    if (line.size() > kGrblMaxLineLength) return "too long: " + line;
    std::string words;
    bool in_comment = false;
    for (unsigned char c : line) {
      if (c >= 0x80 || c < 0x20) return "not plain ASCII: " + line;
      if (c == '(') in_comment = true;
      if (!in_comment && c != ' ') words += static_cast<char>(c);
      if (c == ')') in_comment = false;
    }
    if (in_comment) return "unclosed comment: " + line;
    for (std::size_t i = 0; i < words.size();) {
      const char letter = words[i++];
      std::size_t end = i;
      while (end < words.size() && (std::isdigit(static_cast<unsigned char>(words[end])) || words[end] == '.' ||
                                    words[end] == '-')) {
        ++end;
      }
      const std::string number = words.substr(i, end - i);
      if (number.empty() || !IsGrblWord(letter, number)) return "not a GRBL word: " + line;
      i = end;
    }
  }
  return "";
}

// The same small job as the pistora golden programs, its pads given holes of 0.7 and 1.2 mm.
Workspace GoldenBoard() {
  Workspace ws;
  ws.PixelSizeMm = 25.4 / 600;
  auto track = [&ws](const std::string& text, int x, int y, int ex, int ey) {
    Contour c;
    c.PathText = text;
    c.StartX = x;
    c.StartY = y;
    c.EndX = ex;
    c.EndY = ey;
    ws.Table.items.push_back(c);
  };
  auto pad = [&ws](int x, int y, int hole) {
    Contour c;
    c.PathText = "(" + std::to_string(x) + ";" + std::to_string(y) + ")+*+**+*+-*-**-*-CLOSED";
    c.StartX = c.EndX = c.MinX = x;
    c.StartY = c.EndY = c.MinY = y;
    c.MaxX = x + hole - 1;
    c.MaxY = y + hole - 1;
    c.IsPad = true;
    c.CenterX = x + 1;
    c.CenterY = y + 1;
    ws.Table.items.push_back(c);
  };
  track("(40;12)+*+*+*++++*+*+*+-+---*-*-*-*-**-CLOSED Points : 18Fin(40,12)", 40, 12, 40, 12);
  pad(10, 11, 17);
  track("(80;60)*+*+*+-+-+-*NOTCLOSED Points : 6Fin(76,65)", 80, 60, 76, 65);
  pad(70, 64, 28);
  pad(90, 5, 17);
  return ws;
}

class DialectPrograms : public testing::TempFolderTest {};

TEST_F(DialectPrograms, GoldenProgramsPerDialect) {
  struct Row {
    Dialect dialect;
    const char* travel_height;
    bool improved;
    const char* drills;
  } rows[] = {{Dialect::LinuxCnc, "", false, ""}, {Dialect::Grbl, "0.5", true, "0.8,1.2"}};
  for (const Row& r : rows) {
    const std::string name = DialectName(r.dialect);
    SCOPED_TRACE(name);
    JobParameters p = Standard(r.dialect);
    p.TravelHeight = r.travel_height;
    p.ImprovedOrder = r.improved;
    p.Drills = r.drills;
    Workspace ws = GoldenBoard();
    testing::JobTestHost host;
    ASSERT_TRUE(GenerateEngravingProgram(ws, host, p, PathOf(name + "-gravure")).ok());
    std::vector<ProgramReport> reports;
    ASSERT_TRUE(GenerateDrillingPrograms(ws, host, p, PathOf(name + "-percage"), &reports).ok());
    std::vector<std::string> written{name + "-gravure.iso"};
    for (const ProgramReport& report : reports) written.push_back(std::filesystem::path(report.Path).filename());
    for (const std::string& file : written) {
      EXPECT_EQ(testing::CompareWithGolden("job-" + file, Slurp(PathOf(file))), "") << file;
    }
    EXPECT_EQ(written.size(), r.drills[0] == 0 ? 2u : 3u);
  }
}

TEST(DialectRules, StandardProgramsOnRandomBoards) {
  // Every standard program: state header, spindle speed, no plunge below the surface with
  // G00, GRBL words only (grbl), and the same moves as the own dialect.
  for (unsigned seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const Workspace ws = testing::RandomBoard(seed, 40);
    const Lines own = Engraving(ws, JobParameters{});
    for (const Dialect dialect : {Dialect::LinuxCnc, Dialect::Grbl}) {
      const Lines lines = Engraving(ws, Standard(dialect));
      EXPECT_EQ(lines[1], kStandardStateHeader);
      EXPECT_NE(std::find(lines.begin(), lines.end(), "M03 S12000"), lines.end());
      EXPECT_EQ(lines.back(), "M30");
      EXPECT_EQ(std::count(lines.begin(), lines.end(), "%"), 0);
      ToolPosition at;
      for (const std::string& line : lines) {
        at = ParseAxisWords(line, at).target;
        if (ClassifyIsoLine(line).g00) {
          EXPECT_GE(at.z, 0.0) << line;
        }
      }
      if (dialect == Dialect::Grbl) {
        EXPECT_EQ(GrblFault(lines), "");
      }
      EXPECT_EQ(testing::ProgramMoves(lines), testing::ProgramMoves(own));
      EXPECT_FALSE(CheckIsoDialect(lines).ok());
    }
    EXPECT_TRUE(CheckIsoDialect(own).ok());
  }
}

TEST(TravelHeight, LowLiftOnlyBetweenCloseObjects) {
  for (unsigned seed = 20; seed <= 30; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    JobParameters p;
    p.TravelHeight = "0.5";
    const Lines lines = Engraving(testing::RandomBoard(seed, 60), p);
    int low = 0, high = 0;
    ToolPosition at;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
      const ToolPosition before = at;
      at = ParseAxisWords(lines[i], at).target;
      // A lift followed by a rapid: its height depends on the rapid's length.
      if (!lines[i].starts_with("G00 Z") || !lines[i + 1].starts_with("G00 X") || i < 5) continue;
      const ToolPosition to = ParseAxisWords(lines[i + 1], at).target;
      const double length = std::hypot(to.x - before.x, to.y - before.y);
      EXPECT_EQ(lines[i], length <= kShortTravelMm + 1e-9 ? "G00 Z0.5" : "G00 Z1.5") << length;
      (lines[i] == "G00 Z0.5" ? low : high)++;
    }
    EXPECT_GT(low, 0);
    EXPECT_GT(high, 0);
    EXPECT_EQ(lines[4], "G00 Z1.5");  // the first lift
  }
}

TEST(ImprovedOrder, SameCutsLessAirOnRandomBoards) {
  for (unsigned seed = 40; seed <= 50; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const Workspace ws = testing::RandomBoard(seed, 150);
    JobParameters improved;
    improved.ImprovedOrder = true;
    const ProgramTime before = EstimateProgramTime(Engraving(ws, JobParameters{}), 400);
    const ProgramTime after = EstimateProgramTime(Engraving(ws, improved), 400);
    EXPECT_NEAR(after.cutting_mm, before.cutting_mm, 1e-6);
    EXPECT_NEAR(after.up_down_mm, before.up_down_mm, 1e-6);
    EXPECT_LT(after.travel_mm, before.travel_mm);
  }
}

TEST(ImprovedOrder, ClosedPathEnteredAtItsNearestPoint) {
  // A 6 x 4 rectangle from (10, 10): every entry point gives the same walk, starting and ending
  // at the path point nearest to the tool.
  Contour c;
  c.PathText = "(10;10)+*+*+*+*+*+**+*+*+*+-*-*-*-*-*-**-*-*-*-CLOSED";
  c.StartX = c.StartY = 10;
  const std::vector<PathCorner> corners = PathCorners(c);
  struct Row {
    std::int64_t x, y;
    PathCorner entry;
  } rows[] = {{0, 0, {10, 10}}, {13, 0, {13, 10}}, {30, 12, {16, 12}}, {12, 30, {12, 14}}, {5, 13, {10, 13}},
              {13, 12, {13, 10}}};
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.x) + "," + std::to_string(r.y));
    const std::vector<PathCorner> walk = ClosedPathFromNearest(corners, r.x, r.y);
    EXPECT_EQ(walk.front(), r.entry);
    EXPECT_EQ(walk.back(), r.entry);
    double length = 0;
    for (std::size_t k = 1; k < walk.size(); ++k) {
      length += std::hypot(double(walk[k].x - walk[k - 1].x), double(walk[k].y - walk[k - 1].y));
    }
    EXPECT_DOUBLE_EQ(length, 20.0);
  }
}

TEST_F(DialectPrograms, DrillsBySizeSplitTheHoles) {
  Workspace ws = testing::RandomBoard(7, 120);
  int pads = 0;
  for (const Contour& c : ws.Table.items) pads += c.IsPad ? 1 : 0;
  JobParameters p;
  p.Drills = "0.6,0.8,1.0,1.2";
  testing::JobTestHost host;
  std::vector<ProgramReport> reports;
  ASSERT_TRUE(GenerateDrillingPrograms(ws, host, p, PathOf("b-percage"), &reports).ok());
  ASSERT_GE(reports.size(), 3u);
  std::size_t holes = 0;
  for (const ProgramReport& report : reports) {
    SCOPED_TRACE(report.Path);
    holes += report.ObjectCount;
    EXPECT_EQ(report.Path, PathOf("b-percage-" + report.Drill + "mm.iso"));
    EXPECT_EQ(report.Lines[0], "(foret " + report.Drill + " mm, " + std::to_string(report.ObjectCount) + " trous)");
    Lines read;
    ASSERT_TRUE(ReadLatin1Lines(report.Path, &read).ok());
    EXPECT_EQ(read, report.Lines);
    EXPECT_TRUE(CheckIsoProgram(read).ok());  // the own runner takes the comment line
  }
  EXPECT_EQ(holes, static_cast<std::size_t>(pads));
  p.Drills = "0.8,x";
  EXPECT_FALSE(GenerateDrillingPrograms(ws, host, p, PathOf("c"), &reports).ok());
  EXPECT_FALSE(std::filesystem::exists(PathOf("c-0.8mm.iso")));
}

TEST(ProgramTime, SplitsCuttingTravelAndUpDown) {
  const Lines lines = {"F350", "G00 Z1.5", "G00 X3 Y4", "G00 Z-0.25", "G01 X3 Y10", "G00 Z1.5", "G00 X3 Y0", "M30"};
  const ProgramTime t = EstimateProgramTime(lines, 60);  // 1 mm a second
  EXPECT_DOUBLE_EQ(t.travel_mm, 15.0);
  EXPECT_DOUBLE_EQ(t.cutting_mm, 6.0);
  EXPECT_DOUBLE_EQ(t.up_down_mm, 1.5 + 1.75 + 1.75);
  EXPECT_EQ(t.total_seconds, 26);
  EXPECT_EQ(t.up_down_seconds, 5);
}

}  // namespace
}  // namespace pistora
