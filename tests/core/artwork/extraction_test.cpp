#include "core/artwork/extraction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/artwork/board_generator.h"
#include "core/artwork/contour_drawing.h"
#include "core/artwork/recording_host.h"
#include "core/artwork/reference_extraction.h"

namespace pistora {
namespace {

using testing::RecordingHost;

// A workspace whose artwork is drawn from text rows: '#' copper, '.' board, 'g' grey,
// 'r' red; the engraving bitmap white.
Workspace FromRows(const std::vector<std::string>& rows) {
  Workspace ws;
  const int h = static_cast<int>(rows.size());
  const int w = static_cast<int>(rows[0].size());
  ws.ArtworkBitmap = Bitmap(w, h, kWhite);
  ws.EngravingBitmap = Bitmap(w, h, kWhite);
  for (int row = 0; row < h; ++row) {
    for (int x = 0; x < w; ++x) {
      const char c = rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(x)];
      if (c == '#') ws.ArtworkBitmap.Set(x, row, kBlack);
      if (c == 'g') ws.ArtworkBitmap.Set(x, row, Rgb{128, 128, 128});
      if (c == 'r') ws.ArtworkBitmap.Set(x, row, kRed);
    }
  }
  return ws;
}

Workspace Blank(int w, int h) {
  Workspace ws;
  ws.ArtworkBitmap = Bitmap(w, h, kWhite);
  ws.EngravingBitmap = Bitmap(w, h, kWhite);
  return ws;
}

std::string Repeat(const std::string& code, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += code;
  return s;
}

int CountColour(const Bitmap& b, Rgb c) {
  int n = 0;
  for (int row = 0; row < b.Height(); ++row)
    for (int x = 0; x < b.Width(); ++x) n += b.Is(x, row, c);
  return n;
}

TEST(Extraction, SingleCopperPixelIsAPadDrilledAtThePixel) {
  Workspace ws = Blank(5, 5);
  ws.ArtworkBitmap.Set(2, 2, kBlack);
  RecordingHost host;
  EXPECT_EQ(ExtractContours(ws, host, ExtractionSettings{}), RunOutcome::Completed);

  ASSERT_EQ(ws.Table.ContourCount(), 1);
  const Contour& c = ws.Table[0];
  EXPECT_EQ(c.PathText, "(1;2)+*+**+*+-*-**-*-CLOSED Points : 8Fin(1,2)");
  EXPECT_EQ(std::vector<int>({c.StartX, c.StartY, c.EndX, c.EndY, c.PointCount}), std::vector<int>({1, 2, 1, 2, 8}));
  EXPECT_EQ(std::vector<int>({c.MinX, c.MaxX, c.MinY, c.MaxY, c.CenterX, c.CenterY}),
            std::vector<int>({1, 3, 2, 4, 2, 3}));
  EXPECT_TRUE(c.IsClosed);
  EXPECT_TRUE(c.IsPad);
  EXPECT_FALSE(c.IsUseless);
  EXPECT_EQ(ws.ContourLog, std::vector<std::string>{c.PathText});
  EXPECT_EQ(ws.RunLog.size(), 1u);
  EXPECT_EQ(CountContours(ws.Table), (ContourCounters{0, 1}));

  // The island is blue; the drill mark (5 x 5 around (2, 3) = row 2) covers the traced ring,
  // then the finish draws contour 0 blue over it.
  EXPECT_TRUE(ws.ArtworkBitmap.Is(2, 2, kBlue));
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kBlue), 8);
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kGreen), 25 - 8);
  EXPECT_EQ(host.progress, (std::vector<long>{5 - 2, 5}));
  EXPECT_EQ(host.progress_maximum, 5);
}

TEST(Extraction, SquareWithHoleGivesItsOutlineAndAPadForTheHole) {
  Workspace ws = Blank(11, 11);
  for (int row = 2; row <= 8; ++row)
    for (int x = 2; x <= 8; ++x)
      if (!(x >= 4 && x <= 6 && row >= 4 && row <= 6)) ws.ArtworkBitmap.Set(x, row, kBlack);
  RecordingHost host;
  ExtractContours(ws, host, ExtractionSettings{});

  ASSERT_EQ(ws.Table.ContourCount(), 2);
  const Contour& outer = ws.Table[0];
  EXPECT_EQ(outer.PathText,
            "(1;2)" + Repeat("+*", 8) + Repeat("*+", 8) + Repeat("-*", 8) + Repeat("*-", 8) +
                "CLOSED Points : 32Fin(1,2)");
  EXPECT_FALSE(outer.IsPad);
  EXPECT_FALSE(outer.IsUseless);
  const Contour& hole = ws.Table[1];
  EXPECT_EQ(hole.PathText, "(4;5)+*+**+*+-*-**-*-CLOSED Points : 8Fin(4,5)");
  EXPECT_TRUE(hole.IsPad);
  EXPECT_FALSE(hole.IsUseless);
  EXPECT_EQ(hole.CenterX, 5);
  EXPECT_EQ(hole.CenterY, 6);
  EXPECT_EQ(CountContours(ws.Table), (ContourCounters{1, 1}));
}

TEST(Extraction, OnePixelHoleIsDroppedAndBecomesNoPad) {
  Workspace ws = FromRows({
      ".........",
      ".........",
      "..#####..",
      "..##.##..",
      "..#####..",
      ".........",
      ".........",
  });
  RecordingHost host;
  ExtractContours(ws, host, ExtractionSettings{});
  ASSERT_EQ(ws.Table.ContourCount(), 1);
  EXPECT_EQ(ws.Table[0].PointCount, 20);
  EXPECT_EQ(ws.ContourLog.size(), 1u);
  // The hole's pixel was traced (red) although no contour was kept for it.
  EXPECT_TRUE(ws.EngravingBitmap.Is(4, 3, kRed));
}

TEST(Extraction, CopperAtTheBorderEndsNotClosedAndUseless) {
  Workspace ws = FromRows({
      "##....",
      "##....",
      "##....",
      "##....",
      "##....",
  });
  RecordingHost host;
  ExtractContours(ws, host, ExtractionSettings{});
  ASSERT_EQ(ws.Table.ContourCount(), 1);
  const Contour& c = ws.Table[0];
  EXPECT_EQ(c.PathText, "(2;1)*+*+NOTCLOSED Points : 2Fin(2,3)");
  EXPECT_FALSE(c.IsClosed);
  EXPECT_EQ(c.PointCount, 2);
  EXPECT_EQ(std::vector<int>({c.MinX, c.MaxX, c.MinY, c.MaxY}), std::vector<int>({2, 2, 1, 5}));
  EXPECT_FALSE(c.IsPad);
  EXPECT_TRUE(c.IsUseless);
  EXPECT_EQ(CountContours(ws.Table), (ContourCounters{0, 0}));
}

TEST(Extraction, PadPointsDecideWhichSmallContoursArePadCandidates) {
  // Two single pixels far apart: 8-step contours, pads with the default limit, plain tracks
  // (each its island's longest) when the limit is 8.
  for (const auto& [pad_points, pads] : std::vector<std::pair<int, int>>{{20, 2}, {9, 2}, {8, 0}}) {
    SCOPED_TRACE(pad_points);
    Workspace ws = Blank(12, 5);
    ws.ArtworkBitmap.Set(2, 2, kBlack);
    ws.ArtworkBitmap.Set(9, 2, kBlack);
    NullHost host;
    ExtractContours(ws, host, ExtractionSettings{0, pad_points});
    ASSERT_EQ(ws.Table.ContourCount(), 2);
    EXPECT_EQ(CountContours(ws.Table), (ContourCounters{2 - pads, pads}));
  }
}

TEST(Extraction, HoleSizeSetsTheDrillMark) {
  for (int hole_size : {0, 1, 3}) {
    SCOPED_TRACE(hole_size);
    Workspace ws = Blank(15, 15);
    ws.ArtworkBitmap.Set(7, 7, kBlack);
    NullHost host;
    ExtractContours(ws, host, ExtractionSettings{hole_size, 20});
    // The finish paints the ring blue over the mark; with a mark of side 1 the ring stays red.
    const int side = 2 * hole_size + 1;
    EXPECT_EQ(CountColour(ws.EngravingBitmap, kGreen), side * side - (hole_size >= 1 ? 8 : 0));
  }
}

TEST(Extraction, KeepsOnlyTheLongestContourOfAnIsland) {
  // A bar with two holes: three contours, no pads (a limit of 2 points admits none); the
  // outline is the longest.
  Workspace ws = FromRows({
      "................",
      ".##############.",
      ".#....##.....##.",
      ".#....##.....##.",
      ".#....##.....##.",
      ".##############.",
      "................",
  });
  NullHost host;
  ExtractContours(ws, host, ExtractionSettings{2, 2});
  ASSERT_EQ(ws.Table.ContourCount(), 3);
  EXPECT_FALSE(ws.Table[0].IsUseless);
  EXPECT_TRUE(ws.Table[1].IsUseless);
  EXPECT_TRUE(ws.Table[2].IsUseless);
  EXPECT_GT(ws.Table[0].PointCount, ws.Table[1].PointCount);
}

TEST(Extraction, CornerContactJoinsIslandsAndForeignColoursAreNeither) {
  // The two blocks touch at a corner only: one island. Grey and red pixels take no part.
  Workspace ws = FromRows({
      "..........",
      ".##.......",
      ".##.......",
      "...##..g..",
      "...##..r..",
      "..........",
  });
  NullHost host;
  ExtractContours(ws, host, ExtractionSettings{});
  EXPECT_TRUE(ws.ArtworkBitmap.Is(7, 3, Rgb{128, 128, 128}));
  EXPECT_TRUE(ws.ArtworkBitmap.Is(7, 4, kRed));
  ASSERT_EQ(ws.Table.ContourCount(), 1);
  EXPECT_EQ(CountColour(ws.ArtworkBitmap, kBlue), 8);
}

TEST(Extraction, EmptyArtworkGivesNoContour) {
  Workspace ws = Blank(7, 4);
  RecordingHost host;
  EXPECT_EQ(ExtractContours(ws, host, ExtractionSettings{}), RunOutcome::Completed);
  EXPECT_EQ(ws.Table.ContourCount(), 0);
  EXPECT_EQ(ws.Table.past_end, Contour{});
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kWhite), 28);
  EXPECT_EQ(host.progress, (std::vector<long>{4}));
  EXPECT_EQ(host.pumps, 1);
}

// ---- The fast run against the plain one ------------------------------------------------

struct RunResult {
  RunOutcome outcome;
  Workspace ws;
  RecordingHost host;
};

void ExpectSameRun(Workspace& fast, RecordingHost& fast_host, RunOutcome fast_outcome, Workspace& slow,
                   RecordingHost& slow_host, RunOutcome slow_outcome) {
  EXPECT_EQ(fast_outcome, slow_outcome);
  ASSERT_EQ(fast.Table.ContourCount(), slow.Table.ContourCount());
  for (int i = 0; i < fast.Table.ContourCount(); ++i) {
    ASSERT_EQ(fast.Table[i], slow.Table[i]) << "contour " << i << ": " << fast.Table[i].PathText << " vs "
                                            << slow.Table[i].PathText;
  }
  EXPECT_EQ(fast.Table.past_end, slow.Table.past_end);
  EXPECT_EQ(fast.ContourLog, slow.ContourLog);
  EXPECT_EQ(fast.RunLog.size(), slow.RunLog.size());
  EXPECT_TRUE(fast.ArtworkBitmap == slow.ArtworkBitmap);
  EXPECT_TRUE(fast.EngravingBitmap == slow.EngravingBitmap);
  EXPECT_EQ(fast.SelectedContour, slow.SelectedContour);
  EXPECT_EQ(fast_host.pumps, slow_host.pumps);
  EXPECT_EQ(fast_host.progress, slow_host.progress);
  EXPECT_EQ(fast_host.refreshes, slow_host.refreshes);
}

testing::BoardRecipe RecipeFor(int variant) {
  testing::BoardRecipe r;
  r.width = 40 + (variant * 7) % 50;
  r.height = 30 + (variant * 11) % 40;
  r.tracks = 2 + variant % 7;
  r.pads = 3 + variant % 9;
  r.rings = variant % 3;
  r.pours = variant % 4 == 0 ? 1 : 0;
  r.border_copper = variant % 3;
  r.diagonal_pairs = variant % 4;
  r.foreign_pixels = variant % 6;
  if (variant >= 60) {  // a few larger, crowded boards
    r.width = 150 + variant;
    r.height = 110;
    r.tracks = 20;
    r.pads = 30;
    r.rings = 6;
    r.pours = 2;
    r.border_copper = 4;
    r.diagonal_pairs = 10;
    r.foreign_pixels = 30;
  }
  return r;
}

class ExtractionMatchesPlainRun : public ::testing::TestWithParam<int> {};

TEST_P(ExtractionMatchesPlainRun, OnGeneratedBoards) {
  const int variant = GetParam();
  Workspace slow;
  slow.ArtworkBitmap = testing::GenerateBoard(RecipeFor(variant), 1000u + static_cast<unsigned>(variant));
  slow.EngravingBitmap = Bitmap(slow.ArtworkBitmap.Width(), slow.ArtworkBitmap.Height(), kWhite);
  if (variant % 10 == 7) {
    // Stray black already in the engraving bitmap is traced with the first island.
    slow.EngravingBitmap.Set(3, 3, kBlack);
    slow.EngravingBitmap.Set(4, 3, kBlack);
    slow.EngravingBitmap.Set(5, 4, kBlack);
  }
  const ExtractionSettings settings{variant % 4, 2 + (variant * 13) % 40};
  Workspace fast = slow;
  RecordingHost slow_host;
  RecordingHost fast_host;
  const RunOutcome slow_outcome = testing::ReferenceExtractContours(slow, slow_host, settings);
  const RunOutcome fast_outcome = ExtractContours(fast, fast_host, settings);
  ExpectSameRun(fast, fast_host, fast_outcome, slow, slow_host, slow_outcome);
  EXPECT_EQ(CountColour(fast.ArtworkBitmap, kBlack), 0);
  EXPECT_GT(fast.Table.ContourCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Boards, ExtractionMatchesPlainRun, ::testing::Range(0, 64));

// A stop pressed on pump n (a seed, a marked row, a contour, a trace step) ends both runs
// with the same table and bitmaps.
class StopMatchesPlainRun : public ::testing::TestWithParam<int> {};

TEST_P(StopMatchesPlainRun, AtManyPoints) {
  const int variant = GetParam();
  Workspace board;
  board.ArtworkBitmap = testing::GenerateBoard(RecipeFor(variant), 77u + static_cast<unsigned>(variant));
  board.EngravingBitmap = Bitmap(board.ArtworkBitmap.Width(), board.ArtworkBitmap.Height(), kWhite);
  const ExtractionSettings settings{};
  long total = 0;
  {
    Workspace ws = board;
    RecordingHost host;
    ExtractContours(ws, host, settings);
    total = host.pumps;
  }
  ASSERT_GT(total, 20);
  for (long n : {1L, 2L, 3L, total / 11, total / 5, total / 3, total / 2, (2 * total) / 3, total - 3, total - 1}) {
    SCOPED_TRACE("stop on pump " + std::to_string(n) + " of " + std::to_string(total));
    Workspace slow = board;
    Workspace fast = board;
    RecordingHost slow_host(&slow, n);
    RecordingHost fast_host(&fast, n);
    const RunOutcome slow_outcome = testing::ReferenceExtractContours(slow, slow_host, settings);
    const RunOutcome fast_outcome = ExtractContours(fast, fast_host, settings);
    EXPECT_EQ(fast_outcome, RunOutcome::Stopped);
    ExpectSameRun(fast, fast_host, fast_outcome, slow, slow_host, slow_outcome);
  }
}

INSTANTIATE_TEST_SUITE_P(Boards, StopMatchesPlainRun, ::testing::Range(0, 8));

TEST(Extraction, StopKeepsStoredContoursAndStillRunsTheFinish) {
  Workspace ws = Blank(20, 5);
  ws.ArtworkBitmap.Set(2, 2, kBlack);
  ws.ArtworkBitmap.Set(12, 2, kBlack);
  long pumps_for_first_island = 0;
  {
    Workspace probe = ws;
    probe.ArtworkBitmap.Set(12, 2, kWhite);
    RecordingHost host;
    ExtractContours(probe, host, ExtractionSettings{});
    pumps_for_first_island = host.pumps;
  }
  // The probe's pumps less the finish's 8 (one per step of contour 0) bring the run to the
  // second island; then its seed (1), marking rows 3 to 0 (4), its contour (1) and 3 trace
  // steps: the stop comes in the middle of the second trace, and the first contour stays.
  Workspace stopped = ws;
  RecordingHost host(&stopped, (pumps_for_first_island - 8) + 1 + 4 + 1 + 3);
  EXPECT_EQ(ExtractContours(stopped, host, ExtractionSettings{}), RunOutcome::Stopped);
  ASSERT_EQ(stopped.Table.ContourCount(), 1);
  EXPECT_EQ(stopped.Table[0].StartX, 1);
  EXPECT_EQ(host.progress.back(), 5);
  EXPECT_EQ(stopped.RunLog.size(), 1u);
  EXPECT_EQ(CountColour(stopped.ArtworkBitmap, kBlue), 2);
}

}  // namespace
}  // namespace pistora
