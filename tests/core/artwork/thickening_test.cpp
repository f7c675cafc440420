#include "core/artwork/thickening.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/artwork/board_generator.h"
#include "core/artwork/extraction.h"
#include "core/artwork/stopping_host.h"
#include "core/artwork/contour_drawing.h"
#include "core/artwork/path_text.h"
#include "core/artwork/smoothing.h"

namespace pistora {
namespace {

// A 3 x 3 ring of path points x 2..4, y 3..5, traced counter-clockwise from (2, 3).
constexpr const char* kRing = "(2;3)+*+**+*+-*-**-*-CLOSED Points : 8Fin(2,3)";

Workspace RingWorkspace() {
  Workspace ws;
  ws.ArtworkBitmap = Bitmap(7, 7);
  ws.EngravingBitmap = Bitmap(7, 7);
  Contour ring;
  ring.PathText = kRing;
  ring.StartX = ring.EndX = 2;
  ring.StartY = ring.EndY = 3;
  ring.PointCount = 8;
  ws.Table.items.push_back(ring);
  NullHost host;
  DrawContour(ws, host, 0, kBlack, false, kTargetEngraving);
  return ws;
}

void SetEngraving(Workspace& ws, int x, int y, Rgb c) { PlotPixel(ws, x, y, c, kTargetEngraving); }

TEST(ThickenContour, RebuildsTheRingPushedOutwards) {
  const struct {
    const char* name;
    std::vector<std::pair<int, int>> black;  // engraving pixels made black beforehand
    const char* expected;
  } cases[] = {
      // Nothing black left of the start: the start moves one pixel left.
      {"start moves left", {}, "(1;3)+-++*+-+*+-*--*-+-CLOSED Points : 8Fin(1;3)"},
      // A black pixel left of the start keeps it.
      {"start kept", {{1, 3}}, "(2;3)+-+*++*+-+*+-*-*--*-+-CLOSED Points : 10Fin(2;3)"},
      // (3, 2) belongs to a neighbouring contour: the point pushed there stays on the walk.
      {"pushed point on another contour", {{1, 3}, {3, 2}}, "(2;3)+*+++*-+*+-*-*--*-+-CLOSED Points : 9Fin(2;3)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace ws = RingWorkspace();
    for (auto [x, y] : c.black) SetEngraving(ws, x, y, kBlack);
    const Contour before = ws.Table[0];
    StoppingHost host;
    EXPECT_TRUE(ThickenContour(ws, host, 0, kBlack, true, kTargetEngraving));
    EXPECT_EQ(ws.Table[0].PathText, c.expected);
    const std::optional<PathPoint> head = ParsePathStart(c.expected);
    ASSERT_TRUE(head);
    Contour rest = ws.Table[0];
    EXPECT_EQ(std::pair(rest.StartX, rest.StartY), std::pair(head->x, head->y));  // the plunge point
    EXPECT_EQ(std::pair(rest.EndX, rest.EndY), std::pair(head->x, head->y));
    rest.PathText = before.PathText;
    rest.StartX = rest.EndX = before.StartX;
    rest.StartY = rest.EndY = before.StartY;
    EXPECT_EQ(rest, before);  // count, box and centre keep their values
    EXPECT_EQ(host.pumps, 8);
    EXPECT_EQ(host.engraving_refreshes, 2);  // after the start, and the refresh at the end
  }
}

TEST(ThickenContour, PlotsExactlyThePixelsItsNewPathReplays) {
  Workspace ws = RingWorkspace();
  NullHost host;
  // Plotted on the artwork bitmap; the engraving bitmap (read for the pushes) stays as it is.
  ThickenContour(ws, host, 0, kBlue, false, kTargetArtwork);
  std::set<std::pair<int, int>> plotted;
  for (int row = 0; row < 7; ++row) {
    for (int x = 0; x < 7; ++x) {
      if (ws.ArtworkBitmap.Is(x, row, kBlue)) plotted.insert({x, 7 - row});
    }
  }
  const std::string path = ws.Table[0].PathText;
  std::optional<PathPoint> p = ParsePathStart(path);
  ASSERT_TRUE(p);
  std::set<std::pair<int, int>> replayed{{p->x, p->y}};
  const std::string body(PathBody(path));
  // Every code but the closing "+-" of the tail.
  const std::string codes = body.substr(0, body.find("+-CLOSED"));
  ForEachStep(")" + codes, [&](Step s) {
    p->x += s.dx;
    p->y += s.dy;
    replayed.insert({p->x, p->y});
    return true;
  });
  EXPECT_EQ(plotted, replayed);
}

TEST(ThickenContour, EmptyPathsAndUnreadableStarts) {
  Workspace ws = RingWorkspace();
  ws.Table[0].PathText = "(6;6)CLOSED Points : 0Fin(6,6)";
  NullHost host;
  ThickenContour(ws, host, 0, kBlack, false, kTargetEngraving);
  EXPECT_EQ(ws.Table[0].PathText, "(5;6)CLOSED Points : 0Fin(5;6)");  // a lone point: nothing to close

  ws.Table[0].PathText = "garbage";
  ThickenContour(ws, host, 0, kBlack, false, kTargetEngraving);
  EXPECT_EQ(ws.Table[0].PathText, "garbage");
  ThickenContour(ws, host, 5, kBlack, false, kTargetEngraving);  // outside the table
}

TEST(ThickenContour, StopEndsTheRebuildAfterTheCurrentStep) {
  Workspace ws = RingWorkspace();
  ws.Table.items.push_back(ws.Table[0]);
  StoppingHost host(&ws, 3);
  EXPECT_FALSE(ThickenContour(ws, host, 0, kBlack, false, kTargetEngraving));
  // Steps 1 to 3 of the start-moves-left rebuild: no point, "+-", "++".
  EXPECT_EQ(ws.Table[0].PathText, "(1;3)+-++" "+-CLOSED Points : 2Fin(1;3)");
  // The flag stays set: the next rebuild ends after its first step.
  EXPECT_TRUE(ws.StopRequest);
  EXPECT_FALSE(ThickenContour(ws, host, 1, kBlack, false, kTargetEngraving));
  EXPECT_EQ(host.pumps, 4);
  // (1, 3) is black now, so the start stays; the first "+*" adds no point.
  EXPECT_EQ(ws.Table[1].PathText, "(2;3)+-CLOSED Points : 0Fin(2;3)");
}

// Two rings side by side (a pad's drill mark and a useless contour beside them) as the
// verification phase leaves them.
Workspace TwoTrackWorkspace() {
  Workspace ws;
  ws.ArtworkBitmap = Bitmap(20, 12);
  ws.EngravingBitmap = Bitmap(20, 12);
  Contour ring;
  ring.PathText = kRing;
  ws.Table.items.push_back(ring);
  ring.PathText = "(7;3)+*+*+**+*+-*-*-**-*-CLOSED Points : 10Fin(7,3)";
  ws.Table.items.push_back(ring);
  Contour pad;
  pad.PathText = "(14;8)+*+**+*+-*-**-*-CLOSED Points : 8Fin(14,8)";
  pad.IsPad = true;
  pad.CenterX = 15;
  pad.CenterY = 9;
  ws.Table.items.push_back(pad);
  Contour useless_pad = pad;
  useless_pad.IsUseless = true;
  useless_pad.CenterX = 17;
  ws.Table.items.push_back(useless_pad);
  Contour useless;
  useless.PathText = "(2;9)+*+*-*-*CLOSED Points : 4Fin(2,9)";
  useless.IsUseless = true;
  ws.Table.items.push_back(useless);
  return ws;
}

TEST(ThickenTracks, MovesPadsEachTimeAndRedrawsTheResult) {
  Workspace ws = TwoTrackWorkspace();
  const Workspace before = ws;
  StoppingHost host;
  ws.StopRequest = true;  // left over from an earlier stop: cleared at the start
  EXPECT_TRUE(ThickenTracks(ws, host, 0));
  EXPECT_FALSE(ws.StopRequest);
  EXPECT_EQ(ws.Table[2].CenterX, 15);  // drill points stay at their holes' centres
  EXPECT_EQ(ws.Table[3].CenterX, 17);
  for (int i = 0; i < 2; ++i) {
    EXPECT_NE(ws.Table[i].PathText, before.Table[i].PathText) << i;
    EXPECT_NE(ws.Table[i].PathText.find("+-CLOSED Points : "), std::string::npos) << i;
  }
  for (int i = 2; i < 5; ++i) EXPECT_EQ(ws.Table[i].PathText, before.Table[i].PathText) << i;

  // The engraving bitmap is the redraw of the new table.
  Workspace redrawn = ws;
  redrawn.EngravingBitmap.Fill(kWhite);
  NullHost quiet;
  DrawUselessContours(redrawn, quiet);
  DrawUsefulContours(redrawn, quiet, true, 0);
  EXPECT_EQ(ws.EngravingBitmap, redrawn.EngravingBitmap);
  EXPECT_TRUE(ws.EngravingBitmap.Is(15, ws.EngravingBitmap.RowOf(9), kGreen));

  EXPECT_TRUE(ThickenTracks(ws, host, 0));
  EXPECT_EQ(ws.Table[2].CenterX, 15);
  EXPECT_EQ(ws.Table[3].CenterX, 17);
}

int StepCount(const std::string& path) {
  int n = 0;
  ForEachStep(path, [&](Step) { return ++n > 0; });
  return n;
}

TEST(ThickenTracks, StopLeavesPartialPathsAndStillMovesPads) {
  Workspace ws = TwoTrackWorkspace();
  // Pumps before the first rebuild: one per step of every contour drawn by the redraw (tracks
  // smoothed twice, useless contours and the useless pad), none for drill marks.
  ContourTable smoothed = ws.Table;
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < 2; ++i) SmoothContour(smoothed, i);
  }
  const long redraw_pumps = StepCount(smoothed[0].PathText) + StepCount(smoothed[1].PathText) +
                            StepCount(smoothed[3].PathText) + StepCount(smoothed[4].PathText);
  StoppingHost host(&ws, redraw_pumps + 2);
  EXPECT_FALSE(ThickenTracks(ws, host, 0));
  EXPECT_FALSE(ws.StopRequest);  // cleared for the final redraw
  EXPECT_EQ(StepCount(ws.Table[0].PathText) - 1, 1);  // a point from step 2 only, then "+-"
  EXPECT_EQ(ws.Table[1].PathText.substr(0, 5), "(6;3)");
  EXPECT_EQ(ws.Table[1].PathText.find("CLOSED Points : 0Fin(6;3)"), 7u);  // first step only
  EXPECT_EQ(ws.Table[2].CenterX, 15);
}

// On real outlines the pushed points seldom end one diagonal step from the new start: every
// thickened contour must still close on its own start, where the program plunges, and drill
// points must not move.
TEST(ThickenTracks, ClosesEveryContourOnItsStartAndKeepsDrillPoints) {
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE(seed);
    Workspace ws;
    ws.ArtworkBitmap = testing::GenerateBoard(testing::BoardRecipe{}, seed);
    NullHost host;
    ExtractContours(ws, host, ExtractionSettings{});
    const ContourTable extracted = ws.Table;
    for (int press = 1; press <= 3; ++press) {
      ASSERT_TRUE(ThickenTracks(ws, host, 2));
      for (int i = 0; i < ws.Table.ContourCount(); ++i) {
        const Contour& c = ws.Table[i];
        EXPECT_EQ(std::pair(c.CenterX, c.CenterY), std::pair(extracted[i].CenterX, extracted[i].CenterY));
        if (c.IsUseless || c.IsPad) continue;
        const std::vector<PathPoint> points = PathPoints(c.PathText);
        ASSERT_FALSE(points.empty());
        EXPECT_EQ(points.back(), points.front()) << "press " << press << ", contour " << i;
        EXPECT_EQ(std::pair(c.StartX, c.StartY), std::pair(points.front().x, points.front().y));
      }
    }
  }
}

TEST(ApplyContourRewrites, SmoothsOnceThenThickensTheGivenNumberOfTimes) {
  Workspace ws = TwoTrackWorkspace();
  NullHost host;
  EXPECT_TRUE(ApplyContourRewrites(ws, host, 2, 3, true));
  EXPECT_EQ(ws.RunLog, (std::vector<std::string>{"*** Ligne 0 ****", "*** Ligne 1 ****"}));
  EXPECT_EQ(ws.Table[2].CenterX, 15);

  Workspace untouched = TwoTrackWorkspace();
  EXPECT_TRUE(ApplyContourRewrites(untouched, host, 2, 0, false));
  EXPECT_EQ(untouched.Table, TwoTrackWorkspace().Table);
}

}  // namespace
}  // namespace pistora
