#include "core/artwork/verification.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/artwork/extraction.h"
#include "core/artwork/pixel_distance.h"
#include "core/artwork/recording_host.h"

namespace pistora {
namespace {

using testing::RecordingHost;

Contour Track(const std::string& path, bool pad = false, bool useless = false) {
  Contour c;
  c.PathText = path;
  c.IsPad = pad;
  c.IsUseless = useless;
  return c;
}

Contour PadAt(int cx, int cy) {
  Contour c = Track("(0;0)CLOSED Points : 0Fin(0,0)", true);
  c.CenterX = cx;
  c.CenterY = cy;
  return c;
}

int CountColour(const Bitmap& b, Rgb c) {
  int n = 0;
  for (int row = 0; row < b.Height(); ++row)
    for (int x = 0; x < b.Width(); ++x) n += b.Is(x, row, c);
  return n;
}

TEST(PixelDistance, RoundsTheEuclideanDistanceHalvesToEven) {
  struct Row {
    int x1, y1, x2, y2, expected;
  };
  for (const Row& r : std::vector<Row>{{0, 0, 0, 0, 0},
                                       {0, 0, 1, 1, 1},      // 1.41
                                       {5, 5, 3, 4, 2},      // sqrt 5 = 2.24
                                       {0, 0, 3, 3, 4},      // 4.24
                                       {0, 0, 4, 2, 4},      // 4.47
                                       {0, 0, 4, 3, 5},      // exactly 5
                                       {0, 0, 6, 6, 8},      // 8.49
                                       {0, 0, 8, 3, 9},      // 8.54
                                       {-3, -4, 0, 0, 5},
                                       {0, 0, 20000, 20000, 28284},
                                       {INT_MIN, 0, INT_MAX, 0, INT_MAX}}) {
    SCOPED_TRACE(std::to_string(r.x1) + "," + std::to_string(r.y1) + " " + std::to_string(r.x2) + "," +
                 std::to_string(r.y2));
    EXPECT_EQ(PixelDistance(r.x1, r.y1, r.x2, r.y2), r.expected);
    EXPECT_EQ(PixelDistance(r.x2, r.y2, r.x1, r.y1), r.expected);
  }
}

TEST(PointOnContour, MatchesTheStartAndEveryVisitedPointOnly) {
  Workspace ws;
  ws.Table.items.push_back(Track("(1;2)+*+**+*+-*-**-*-CLOSED Points : 8Fin(1,2)"));
  ws.Table.items.push_back(Track("(3;3)++NOTCLOSED ++ Points : 1Fin(4,4)"));
  EXPECT_TRUE(PointOnContour(ws, 0, 1, 2));
  EXPECT_TRUE(PointOnContour(ws, 0, 3, 4));
  EXPECT_FALSE(PointOnContour(ws, 0, 2, 3));  // the copper pixel inside the ring
  EXPECT_TRUE(PointOnContour(ws, 1, 4, 4));
  EXPECT_FALSE(PointOnContour(ws, 1, 5, 5));  // the walk ends at the first pair that is no code
  EXPECT_FALSE(PointOnContour(ws, 2, 1, 2));  // no such contour
  // A stop ends the walk: only the start is compared.
  ws.StopRequest = true;
  RecordingHost host;
  EXPECT_FALSE(PointOnContour(ws, 0, 3, 4, &host));
  EXPECT_TRUE(PointOnContour(ws, 0, 1, 2, &host));
}

// A 20 x 20 engraving drawn by VerifyView from a hand-made table:
//  0: a useless contour on row y = 10 from x = 2 to 6 (yellow)
//  1 and 2: useful contours both passing through (8, 5) (black)
//  3 and 4: pads centred at (14, 14) and (15, 14), marks of side 13 (green)
class RightClick : public ::testing::Test {
 protected:
  void SetUp() override {
    ws.EngravingBitmap = Bitmap(20, 20);
    ws.ArtworkBitmap = Bitmap(20, 20);
    ws.Table.items = {Track("(2;10)+*+*+*+*NOTCLOSED Points : 4Fin(6,10)", false, true),
                      Track("(8;3)*+*+*+CLOSED Points : 3Fin(8,6)"),
                      Track("(6;5)+*+*+*CLOSED Points : 3Fin(9,5)"), PadAt(14, 14), PadAt(15, 14)};
    VerifyView(ws, host, 6);
  }
  // The view shows the bitmap from (0, 0); a path point (x, y) is at view row H - y.
  std::optional<int> ClickAt(int x, int y) {
    return ContourAtViewPoint(ws, x, 20 - y, 0, 0, EngravingViewColours(ws, 0, 0));
  }
  Workspace ws;
  RecordingHost host;
};

TEST_F(RightClick, BlackPixelSharedByTwoContoursPicksTheLowestIndex) {
  EXPECT_EQ(ClickAt(8, 5), 1);
  EXPECT_EQ(ClickAt(6, 5), 2);
  EXPECT_EQ(ClickAt(8, 3), 1);
}

TEST_F(RightClick, YellowPicksTheUselessContour) { EXPECT_EQ(ClickAt(4, 10), 0); }

TEST_F(RightClick, WhitePixelTakesItsLastNonWhiteNeighbour) {
  EXPECT_EQ(ClickAt(4, 11), 0);           // above the yellow line
  EXPECT_EQ(ClickAt(10, 6), 2);           // (9, 5) is the last non-white neighbour: contour 2's end
  EXPECT_EQ(ClickAt(4, 13), std::nullopt);  // nothing around it
  // Scrolled view: the same bitmap point seen through offsets.
  EXPECT_EQ(ContourAtViewPoint(ws, 2, 10 - 3, 2, 3, EngravingViewColours(ws, 2, 3)), 0);
}

TEST_F(RightClick, GreenPicksTheFirstPadCloserThanFivePixels) {
  struct Row {
    int x, y;
    std::optional<int> expected;
  };
  // Distances from pad 3 at (14, 14): rounded 4 selects it, 5 and more select nothing
  // unless pad 4 at (15, 14) is near enough.
  for (const Row& r : std::vector<Row>{{14, 14, 3},
                                       {10, 14, 3},             // 4
                                       {11, 11, 3},             // 4.24
                                       {10, 12, 3},             // 4.47
                                       {9, 14, std::nullopt},   // 5 from pad 3, 6 from pad 4
                                       {10, 11, std::nullopt},  // 5 and 5.83
                                       {19, 14, 4},             // 5 from pad 3, 4 from pad 4
                                       {14, 9, std::nullopt}}) {
    SCOPED_TRACE(std::to_string(r.x) + "," + std::to_string(r.y));
    EXPECT_EQ(ClickAt(r.x, r.y), r.expected);
  }
}

TEST_F(RightClick, BlueSelectionAndUnreadablePointsSelectNothing) {
  SelectContour(ws, host, 1, 6);
  EXPECT_EQ(ClickAt(8, 4), std::nullopt);
  EXPECT_EQ(ContourAtViewPoint(ws, 30, 30, 0, 0, EngravingViewColours(ws, 0, 0)), std::nullopt);
}

TEST(SelectContour, LeavesExactlyOneContourBlueAndReportsItsFlags) {
  Workspace ws;
  ws.EngravingBitmap = Bitmap(12, 8);
  ws.Table.items = {Track("(1;1)+*+*+*CLOSED Points : 3Fin(4,1)"),
                    Track("(1;3)+*+*CLOSED Points : 2Fin(3,3)", false, true), PadAt(8, 5)};
  RecordingHost host;
  VerifyView(ws, host, 1);
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kYellow), 3);
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kGreen), 9);
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kBlack), 4);

  SelectionPanel panel = SelectContour(ws, host, 1, 1);
  EXPECT_EQ(panel, (SelectionPanel{{1, 1}, false, true}));
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kBlue), 3);
  panel = SelectContour(ws, host, 2, 1);
  EXPECT_EQ(panel, (SelectionPanel{{1, 1}, true, false}));
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kBlue), 9);
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kYellow), 3);  // contour 1 back to its normal look
  SelectContour(ws, host, 0, 1);
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kBlue), 4);
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kGreen), 9);
  EXPECT_EQ(ws.SelectedContour, 0);
  EXPECT_EQ(host.refreshes.back(), View::Engraving);
}

TEST(Flags, UselessIsRefusedForAPadAndPadFollowsItsBox) {
  ContourTable table;
  table.items = {Track("(0;0)"), PadAt(1, 1)};
  EXPECT_TRUE(SetUselessFlag(table, 1, true));
  EXPECT_FALSE(table[1].IsUseless);
  EXPECT_FALSE(SetUselessFlag(table, 0, true));
  EXPECT_TRUE(table[0].IsUseless);
  EXPECT_FALSE(SetUselessFlag(table, 0, false));
  EXPECT_FALSE(table[0].IsUseless);
  SetPadFlag(table, 0, true);
  EXPECT_TRUE(table[0].IsPad);
  SetPadFlag(table, 1, false);
  EXPECT_FALSE(table[1].IsPad);
  EXPECT_FALSE(SetUselessFlag(table, 5, true));  // no such contour: nothing happens
}

TEST(Browse, StopsAtTheFirstMatchOrAtTheEnds) {
  // Kinds: 0 useful, 1 pad, 2 useless, 3 useful, 4 useless, 5 pad, 6 useful.
  ContourTable table;
  table.items = {Track(""), Track("", true), Track("", false, true), Track(""), Track("", false, true),
                 Track("", true), Track("")};
  struct Row {
    const char* name;
    int (*command)(const ContourTable&, int);
    int from;
    int expected;
  };
  for (const Row& r : std::vector<Row>{{"NextPad", NextPad, 0, 1},
                                       {"NextPad", NextPad, 1, 5},
                                       {"NextPad from the last pad", NextPad, 5, 6},
                                       {"NextPad from the last", NextPad, 6, 6},
                                       {"PreviousPad", PreviousPad, 6, 5},
                                       {"PreviousPad", PreviousPad, 1, 0},
                                       {"PreviousPad from 0", PreviousPad, 0, 0},
                                       {"NextUsefulTrack", NextUsefulTrack, 0, 3},
                                       {"NextUsefulTrack", NextUsefulTrack, 3, 6},
                                       {"PreviousUsefulTrack", PreviousUsefulTrack, 6, 3},
                                       {"PreviousUsefulTrack", PreviousUsefulTrack, 3, 0},
                                       {"NextUselessContour", NextUselessContour, 2, 4},
                                       {"NextUselessContour", NextUselessContour, 4, 6},
                                       {"PreviousUselessContour", PreviousUselessContour, 4, 2},
                                       {"PreviousUselessContour", PreviousUselessContour, 2, 0}}) {
    SCOPED_TRACE(std::string(r.name) + " from " + std::to_string(r.from));
    EXPECT_EQ(r.command(table, r.from), r.expected);
  }
  const ContourTable empty;
  EXPECT_EQ(NextPad(empty, 0), 0);
  EXPECT_EQ(PreviousUselessContour(empty, 0), 0);
}

TEST(VerifyView, RedrawsAnExtractedBoardAndClearsTheStopRequest) {
  Workspace ws;
  ws.ArtworkBitmap = Bitmap(11, 11);
  ws.EngravingBitmap = Bitmap(11, 11);
  for (int row = 2; row <= 8; ++row)
    for (int x = 2; x <= 8; ++x)
      if (!(x >= 4 && x <= 6 && row >= 4 && row <= 6)) ws.ArtworkBitmap.Set(x, row, kBlack);
  NullHost null_host;
  ExtractContours(ws, null_host, ExtractionSettings{});
  ws.StopRequest = true;
  RecordingHost host;
  VerifyView(ws, host, 1);
  EXPECT_FALSE(ws.StopRequest);
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kBlack), 32);  // the outer outline
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kGreen), 9);   // the hole's drill mark
  EXPECT_EQ(CountColour(ws.EngravingBitmap, kWhite), 121 - 32 - 9);
}

}  // namespace
}  // namespace pistora
