#include "core/artwork/polygonal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "core/artwork/neighbourhood.h"
#include "core/artwork/stopping_host.h"

namespace pistora {
namespace {

using Marks = std::set<std::pair<int, int>>;  // (x, row)

Marks PixelsOf(const Bitmap& bm, Rgb c) {
  Marks marks;
  for (int row = 0; row < bm.Height(); ++row) {
    for (int x = 0; x < bm.Width(); ++x) {
      if (bm.Is(x, row, c)) marks.insert({x, row});
    }
  }
  return marks;
}

// Columns: 0 white, 1 black, 2 copper at rows 10 and 15, 3 copper at row 2 only (the white
// below touches copper on one side), 4 copper at rows 0, 5 and 9.
Workspace GapWorkspace() {
  Workspace ws;
  ws.ArtworkBitmap = Bitmap(5, 20);
  Bitmap& bm = ws.ArtworkBitmap;
  for (int row = 0; row < 20; ++row) bm.Set(1, row, kBlack);
  bm.Set(2, 10, kBlack);
  bm.Set(2, 15, kBlack);
  bm.Set(3, 2, kBlack);
  for (int row : {0, 5, 9}) bm.Set(4, row, kBlack);
  return ws;
}

TEST(MarkGapMiddles, MarksColumnGapsGreenThenRowGapsRed) {
  Workspace ws = GapWorkspace();
  StoppingHost host;
  EXPECT_TRUE(MarkGapMiddles(ws, host));
  // (11 + 15) div 2 = 13; (1 + 5) div 2 = 3; (6 + 9) div 2 = 7.
  EXPECT_EQ(PixelsOf(ws.ArtworkBitmap, kGreen), (Marks{{2, 13}, {4, 3}, {4, 7}}));
  // Rows open a gap after column 1; the green marks neither open nor close one.
  EXPECT_EQ(PixelsOf(ws.ArtworkBitmap, kRed), (Marks{{3, 0}, {2, 2}, {3, 5}, {3, 9}}));
  EXPECT_EQ(host.artwork_refreshes, 5 + 20);
  EXPECT_EQ(host.pumps, 1 + 5 + 20);
}

TEST(MarkGapMiddles, StopEndsBothPasses) {
  Workspace ws = GapWorkspace();
  StoppingHost host(&ws, 4);  // the first pump, then one after each of columns 0 to 2
  EXPECT_FALSE(MarkGapMiddles(ws, host));
  EXPECT_EQ(PixelsOf(ws.ArtworkBitmap, kGreen), (Marks{{2, 13}}));
  EXPECT_TRUE(PixelsOf(ws.ArtworkBitmap, kRed).empty());
}

TEST(LayerColour, SaturatesThenWrapsAsAByte) {
  EXPECT_EQ(LayerColour(0), kBlack);
  EXPECT_EQ(LayerColour(1), (Rgb{10, 10, 1}));
  EXPECT_EQ(LayerColour(25), (Rgb{250, 250, 25}));
  EXPECT_EQ(LayerColour(26), (Rgb{4, 4, 26}));
  EXPECT_EQ(LayerColour(300), (Rgb{4, 4, 44}));
}

// The 8-neighbour distance from copper of every inner white pixel, through inner white pixels;
// 0 for pixels it cannot reach.
std::vector<int> ReferenceLayers(const Bitmap& bm) {
  const int w = bm.Width();
  const int h = bm.Height();
  std::vector<int> dist(static_cast<std::size_t>(w * h), -1);
  std::deque<std::pair<int, int>> queue;
  for (int row = 0; row < h; ++row) {
    for (int x = 0; x < w; ++x) {
      if (bm.Is(x, row, kBlack)) {
        dist[row * w + x] = 0;
        queue.push_back({x, row});
      }
    }
  }
  while (!queue.empty()) {
    auto [x, row] = queue.front();
    queue.pop_front();
    for (int dr = -1; dr <= 1; ++dr) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int nx = x + dx;
        const int nr = row + dr;
        if (nx < 1 || nr < 1 || nx > w - 2 || nr > h - 2) continue;
        if (!bm.Is(nx, nr, kWhite) || dist[nr * w + nx] >= 0) continue;
        dist[nr * w + nx] = dist[row * w + x] + 1;
        queue.push_back({nx, nr});
      }
    }
  }
  return dist;
}

Workspace RandomBoard(unsigned seed, int w, int h, int blobs) {
  Workspace ws;
  ws.ArtworkBitmap = Bitmap(w, h);
  std::mt19937 random(seed);
  for (int b = 0; b < blobs; ++b) {
    const int x0 = static_cast<int>(random() % w);
    const int r0 = static_cast<int>(random() % h);
    const int bw = 1 + static_cast<int>(random() % 6);
    const int bh = 1 + static_cast<int>(random() % 6);
    for (int row = r0; row < std::min(h, r0 + bh); ++row) {
      for (int x = x0; x < std::min(w, x0 + bw); ++x) ws.ArtworkBitmap.Set(x, row, kBlack);
    }
  }
  return ws;
}

TEST(PaintDistanceLayers, PaintsTheDistanceFromCopperOfEveryWhitePixel) {
  std::vector<Workspace> boards;
  for (unsigned seed = 1; seed <= 6; ++seed) boards.push_back(RandomBoard(seed, 45, 32, 1 + seed * 3));
  // One copper pixel in a large field: layers beyond 25 wrap to red and green 4.
  Workspace lone;
  lone.ArtworkBitmap = Bitmap(80, 80);
  lone.ArtworkBitmap.Set(40, 40, kBlack);
  boards.push_back(lone);
  // A white pocket walled off by a colour that is neither copper nor board.
  Workspace pocket = RandomBoard(99, 30, 30, 5);
  for (int i = 18; i <= 26; ++i) {
    for (auto [x, row] : {std::pair{i, 18}, std::pair{i, 26}, std::pair{18, i}, std::pair{26, i}}) {
      pocket.ArtworkBitmap.Set(x, row, kYellow);
    }
  }
  for (int row = 19; row < 26; ++row)
    for (int x = 19; x < 26; ++x) pocket.ArtworkBitmap.Set(x, row, kWhite);
  boards.push_back(pocket);

  for (std::size_t b = 0; b < boards.size(); ++b) {
    SCOPED_TRACE(testing::Message() << "board " << b);
    Workspace& ws = boards[b];
    const Bitmap before = ws.ArtworkBitmap;
    const std::vector<int> dist = ReferenceLayers(before);
    StoppingHost host;
    EXPECT_TRUE(PaintDistanceLayers(ws, host));
    const int w = before.Width();
    for (int row = 0; row < before.Height(); ++row) {
      for (int x = 0; x < w; ++x) {
        const bool inner = x > 0 && row > 0 && x < w - 1 && row < before.Height() - 1;
        const int d = dist[row * w + x];
        const Rgb expected = inner && before.Is(x, row, kWhite) && d > 0 ? LayerColour(d) : before.At(x, row);
        ASSERT_EQ(ws.ArtworkBitmap.At(x, row), expected) << x << "," << row;
      }
    }
  }
  EXPECT_EQ(boards[6].ArtworkBitmap.At(41, 41), LayerColour(1));  // diagonal contact
  EXPECT_EQ(boards[6].ArtworkBitmap.At(1, 1), LayerColour(39));
  EXPECT_EQ(boards[7].ArtworkBitmap.At(22, 22), kWhite);  // unreachable, and the phase ended
}

TEST(PaintDistanceLayers, WithoutCopperEndsAfterOnePass) {
  Workspace ws;
  ws.ArtworkBitmap = Bitmap(12, 9);
  StoppingHost host;
  EXPECT_TRUE(PaintDistanceLayers(ws, host));
  EXPECT_EQ(PixelsOf(ws.ArtworkBitmap, kWhite).size(), 12u * 9u);
  EXPECT_EQ(host.artwork_refreshes, 1);
}

TEST(PaintDistanceLayers, PixelsBornWithALayerColourGrowTheirOwnLayers) {
  // No copper: the first passes paint nothing, then the pass after each born colour's layer
  // grows from it.
  for (const Rgb born : {LayerColour(1), LayerColour(30), Rgb{4, 4, 3}}) {
    const int layer = born.b == 3 ? 259 : born.b;  // (4, 4, 3) is the colour of layer 259
    SCOPED_TRACE(layer);
    Workspace ws;
    ws.ArtworkBitmap = Bitmap(21, 21);
    ws.ArtworkBitmap.Set(10, 10, born);
    StoppingHost host;
    EXPECT_TRUE(PaintDistanceLayers(ws, host));
    for (int row = 1; row < 20; ++row) {
      for (int x = 1; x < 20; ++x) {
        if (x == 10 && row == 10) continue;
        const int d = std::max(std::abs(x - 10), std::abs(row - 10));
        ASSERT_EQ(ws.ArtworkBitmap.At(x, row), LayerColour(layer + d)) << x << "," << row;
      }
    }
  }
}

TEST(PaintDistanceLayers, StopBeforeAColumnEndsThePhase) {
  Workspace ws = RandomBoard(3, 30, 20, 12);
  StoppingHost host(&ws, 1);  // pressed while column 1 of the first pass is shown
  EXPECT_FALSE(PaintDistanceLayers(ws, host));
  const Marks layer1 = PixelsOf(ws.ArtworkBitmap, LayerColour(1));
  for (auto [x, row] : layer1) EXPECT_EQ(x, 1);
  EXPECT_TRUE(PixelsOf(ws.ArtworkBitmap, LayerColour(2)).empty());
}

TEST(Ridges, KeepTheDeepestPixelOfEachClosedRun) {
  const Rgb l1 = LayerColour(1), l2 = LayerColour(2), l3 = LayerColour(3);
  const Rgb grey{9, 9, 0};  // not copper, blue byte 0
  {
    SCOPED_TRACE("rows");
    Workspace ws;
    ws.ArtworkBitmap = Bitmap(12, 3);
    const Rgb row1[] = {kBlack, l1, l2, l3, l2, kBlack, l2, l2, kBlack, grey, l2};
    const Rgb row_ties[] = {kBlack, l1, l2, l2, l1, kBlack, grey, grey, kBlack, l1, l1};
    Workspace ties = ws;
    for (int x = 1; x <= 11; ++x) {
      ws.ArtworkBitmap.Set(x, 1, row1[x - 1]);
      ties.ArtworkBitmap.Set(x, 1, row_ties[x - 1]);
    }
    StoppingHost host;
    EXPECT_TRUE(KeepRowRidges(ws, host));
    EXPECT_TRUE(KeepRowRidges(ties, host));
    // Runs: l1 l2 l3 l2 -> the l3; l2 l2 -> the first; the run up to the last inner column
    // (x = 10) is not closed.
    // White: rows 0 and 2, the frame pixel (0, 1) and the two ridges.
    EXPECT_EQ(PixelsOf(ws.ArtworkBitmap, kWhite).size(), 12u * 2 + 1 + 2);
    EXPECT_EQ(ws.ArtworkBitmap.At(4, 1), kWhite);
    EXPECT_EQ(ws.ArtworkBitmap.At(7, 1), kWhite);
    EXPECT_EQ(ws.ArtworkBitmap.At(10, 1), grey);
    // Ties take the first; a run with blue bytes all 0 stays as it is.
    EXPECT_EQ(ties.ArtworkBitmap.At(3, 1), kWhite);
    EXPECT_EQ(ties.ArtworkBitmap.At(4, 1), l2);
    EXPECT_EQ(ties.ArtworkBitmap.At(7, 1), grey);
    EXPECT_EQ(ties.ArtworkBitmap.At(8, 1), grey);
  }
  {
    SCOPED_TRACE("columns");
    Workspace ws;
    ws.ArtworkBitmap = Bitmap(3, 10);
    const Rgb column[] = {kBlack, grey, grey, kBlack, l1, l3, kBlack, l2};  // rows 1 to 8
    for (int row = 1; row <= 8; ++row) ws.ArtworkBitmap.Set(1, row, column[row - 1]);
    StoppingHost host;
    EXPECT_TRUE(KeepColumnRidges(ws, host));
    EXPECT_EQ(ws.ArtworkBitmap.At(1, 2), kWhite);  // all blue bytes 0: the run's first pixel
    EXPECT_EQ(ws.ArtworkBitmap.At(1, 3), grey);
    EXPECT_EQ(ws.ArtworkBitmap.At(1, 6), kWhite);
    EXPECT_EQ(ws.ArtworkBitmap.At(1, 8), l2);  // not closed
  }
  {
    SCOPED_TRACE("stopped");
    Workspace ws;
    ws.ArtworkBitmap = Bitmap(6, 6, kBlack);
    ws.ArtworkBitmap.Set(2, 2, l1);
    ws.StopRequest = true;
    const Bitmap before = ws.ArtworkBitmap;
    StoppingHost host;
    EXPECT_FALSE(KeepRowRidges(ws, host));
    EXPECT_FALSE(KeepColumnRidges(ws, host));
    EXPECT_EQ(ws.ArtworkBitmap, before);
    EXPECT_EQ(host.pumps, 0);
  }
}

// White lines drawn on a background of layer 1 (neither copper nor board).
Workspace LineWorkspace(int w, int h, const std::vector<std::pair<int, int>>& white) {
  Workspace ws;
  ws.ArtworkBitmap = Bitmap(w, h, LayerColour(1));
  for (auto [x, row] : white) ws.ArtworkBitmap.Set(x, row, kWhite);
  return ws;
}

std::vector<std::pair<int, int>> Segment(int x0, int x1, int row) {
  std::vector<std::pair<int, int>> pixels;
  for (int x = x0; x <= x1; ++x) pixels.push_back({x, row});
  return pixels;
}

TEST(BridgeLooseEnds, JoinsABrokenLine) {
  std::vector<std::pair<int, int>> white = Segment(3, 9, 10);
  for (auto p : Segment(12, 20, 10)) white.push_back(p);
  for (bool stopped : {false, true}) {
    SCOPED_TRACE(stopped ? "stopped: one full pass" : "until nothing changes");
    Workspace ws = LineWorkspace(24, 21, white);
    ws.StopRequest = stopped;
    StoppingHost host;
    EXPECT_EQ(BridgeLooseEnds(ws, host), !stopped);
    EXPECT_EQ(PixelsOf(ws.ArtworkBitmap, kWhite), [] {
      Marks m;
      for (int x = 3; x <= 20; ++x) m.insert({x, 10});
      return m;
    }());
    EXPECT_TRUE(PixelsOf(ws.ArtworkBitmap, kRed).empty());
  }
}

TEST(BridgeLooseEnds, LeavesEndsThatSeeNoOtherLineOrTouchCopper) {
  Workspace ws = LineWorkspace(20, 20, Segment(3, 9, 10));
  // The other line is behind copper.
  for (int row = 1; row < 19; ++row) ws.ArtworkBitmap.Set(12, row, kBlack);
  for (int row = 2; row < 18; ++row) ws.ArtworkBitmap.Set(15, row, kWhite);
  const Bitmap before = ws.ArtworkBitmap;
  StoppingHost host;
  EXPECT_TRUE(BridgeLooseEnds(ws, host));
  EXPECT_EQ(ws.ArtworkBitmap, before);
}

// The bridging as a plain scan of every inner pixel, column after column, pass after pass.
void NaiveBridging(Bitmap& bm) {
  auto inner = [&](PixelPoint p) { return p.x > 0 && p.row > 0 && p.x < bm.Width() - 1 && p.row < bm.Height() - 1; };
  for (int pass = 0; pass < 100; ++pass) {
    const Bitmap before = bm;
    for (int x = 1; x < bm.Width() - 1; ++x) {
      for (int row = 1; row < bm.Height() - 1; ++row) {
        if (!bm.Is(x, row, kWhite) || CountNeighbours(bm, x, row, kWhite) != 1 ||
            HasNeighbour(bm, x, row, kBlack) || HasNeighbour(bm, x, row, kRed)) {
          continue;
        }
        const PixelPoint p{x, row};
        PixelPoint q = p;
        bm.Set(x, row, kRed);
        while (StepToNeighbour(bm, q, kWhite, true)) bm.Set(q.x, q.row, kRed);
        const std::optional<PixelPoint> target = NearestReachableWhite(bm, p);
        q = p;
        bm.Set(x, row, kWhite);
        while (StepToNeighbour(bm, q, kRed, true)) bm.Set(q.x, q.row, kWhite);
        if (!target) continue;
        WalkLine(p, *target, [&](PixelPoint on) {
          if (inner(on)) bm.Set(on.x, on.row, kWhite);
          return true;
        });
      }
    }
    if (bm == before) return;
  }
}

TEST(BridgeLooseEnds, PassesMatchAPlainScan) {
  for (unsigned seed = 1; seed <= 150; ++seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);
    const int w = 8 + static_cast<int>(random() % 30);
    const int h = 8 + static_cast<int>(random() % 30);
    Workspace ws;
    ws.ArtworkBitmap = Bitmap(w, h, LayerColour(1 + static_cast<int>(random() % 3)));
    const int white_share = static_cast<int>(random() % 45);
    for (int row = 0; row < h; ++row) {
      for (int x = 0; x < w; ++x) {
        const int v = static_cast<int>(random() % 100);
        if (v < white_share) {
          ws.ArtworkBitmap.Set(x, row, kWhite);
        } else if (v < white_share + 5) {
          ws.ArtworkBitmap.Set(x, row, kBlack);
        } else if (v < white_share + 7) {
          ws.ArtworkBitmap.Set(x, row, kRed);
        }
      }
    }
    Bitmap expected = ws.ArtworkBitmap;
    NaiveBridging(expected);
    StoppingHost host;
    EXPECT_TRUE(BridgeLooseEnds(ws, host));
    ASSERT_EQ(ws.ArtworkBitmap, expected);
  }
}

// One pass of the pruning as the scan visits the pixels, column after column.
bool NaivePrunePass(Bitmap& bm) {
  bool changed = false;
  for (int x = 1; x < bm.Width() - 1; ++x) {
    for (int row = 1; row < bm.Height() - 1; ++row) {
      if (bm.Is(x, row, kWhite) && CountNeighbours(bm, x, row, kWhite) < 2) {
        bm.Set(x, row, kYellow);
        changed = true;
      }
    }
  }
  return changed;
}

TEST(PruneOpenEnds, EatsOpenLinesAndKeepsLoops) {
  std::vector<std::pair<int, int>> white;
  for (int i = 3; i <= 9; ++i) {  // a loop around a copper island
    for (auto p : {std::pair{i, 3}, std::pair{i, 9}, std::pair{3, i}, std::pair{9, i}}) white.push_back(p);
  }
  for (auto p : Segment(10, 12, 6)) white.push_back(p);  // a spur off the loop
  for (auto p : Segment(12, 17, 15)) white.push_back(p);  // a free line
  Workspace ws = LineWorkspace(20, 20, white);
  for (int row = 4; row <= 8; ++row)
    for (int x = 4; x <= 8; ++x) ws.ArtworkBitmap.Set(x, row, kBlack);
  StoppingHost host;
  EXPECT_TRUE(PruneOpenEnds(ws, host));
  Marks loop;
  for (auto p : white) loop.insert(p);
  for (int x = 11; x <= 17; ++x) {
    loop.erase({x, 6});
    loop.erase({x, 15});
  }
  // The spur's first pixel touches three loop pixels: it stays.
  EXPECT_EQ(PixelsOf(ws.ArtworkBitmap, kWhite), loop);
  EXPECT_EQ(PixelsOf(ws.ArtworkBitmap, kYellow).size(), 2u + 6u);
}

TEST(PruneOpenEnds, PassesMatchAPlainScan) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);
    Workspace ws;
    ws.ArtworkBitmap = Bitmap(31, 27, LayerColour(2));
    for (int row = 0; row < 27; ++row) {
      for (int x = 0; x < 31; ++x) {
        if (random() % 100 < 45) ws.ArtworkBitmap.Set(x, row, kWhite);
      }
    }
    for (bool stopped : {true, false}) {
      Workspace run = ws;
      run.StopRequest = stopped;  // stopped: exactly one pass
      Bitmap expected = ws.ArtworkBitmap;
      int passes = 1;
      if (stopped) {
        NaivePrunePass(expected);
      } else {
        while (NaivePrunePass(expected)) ++passes;
      }
      StoppingHost host;
      EXPECT_EQ(PruneOpenEnds(run, host), !stopped);
      EXPECT_EQ(run.ArtworkBitmap, expected);
      EXPECT_EQ(host.artwork_refreshes, passes);
    }
  }
}

TEST(BlackenAllButWhite, KeepsTheFrameAndRunsEvenWhenStopped) {
  Workspace ws;
  ws.ArtworkBitmap = Bitmap(6, 5, kYellow);
  ws.ArtworkBitmap.Set(2, 2, kWhite);
  ws.StopRequest = true;
  StoppingHost host;
  BlackenAllButWhite(ws, host);
  for (int row = 0; row < 5; ++row) {
    for (int x = 0; x < 6; ++x) {
      const bool frame = x == 0 || row == 0 || x == 5 || row == 4;
      const Rgb expected = frame ? kYellow : (x == 2 && row == 2) ? kWhite : kBlack;
      EXPECT_EQ(ws.ArtworkBitmap.At(x, row), expected) << x << "," << row;
    }
  }
  EXPECT_EQ(host.pumps, 4 * 3);
}

// Two copper islands on a white board.
Workspace TwoIslands() {
  Workspace ws;
  ws.ArtworkBitmap = Bitmap(60, 40);
  for (int row = 10; row <= 30; ++row) {
    for (int x = 10; x <= 25; ++x) ws.ArtworkBitmap.Set(x, row, kBlack);
    for (int x = 32; x <= 50; ++x) ws.ArtworkBitmap.Set(x, row, kBlack);
  }
  return ws;
}

TEST(PreprocessArtwork, LeavesClosedWhiteLinesInTheGapsOnBlack) {
  Workspace ws = TwoIslands();
  const Bitmap before = ws.ArtworkBitmap;
  StoppingHost host;
  EXPECT_TRUE(PreprocessArtwork(ws, host));
  const Bitmap& bm = ws.ArtworkBitmap;
  int white = 0;
  for (int row = 0; row < bm.Height(); ++row) {
    for (int x = 0; x < bm.Width(); ++x) {
      const bool frame = x == 0 || row == 0 || x == bm.Width() - 1 || row == bm.Height() - 1;
      if (frame) {
        ASSERT_EQ(bm.At(x, row), before.At(x, row)) << x << "," << row;
        continue;
      }
      ASSERT_TRUE(bm.Is(x, row, kWhite) || bm.Is(x, row, kBlack)) << x << "," << row;
      if (bm.Is(x, row, kWhite)) {
        ++white;
        EXPECT_GE(CountNeighbours(bm, x, row, kWhite), 2) << x << "," << row;  // no open end left
      }
    }
  }
  EXPECT_GT(white, 0);
  // The middle of the gap between the islands (columns 26 to 31) stays white.
  for (int row = 12; row <= 28; ++row) EXPECT_TRUE(bm.Is(28, row, kWhite)) << row;
}

TEST(PreprocessArtwork, EndsOnArtworksWithoutCopperOrBoard) {
  const struct {
    int w, h;
  } sizes[] = {{25, 18}, {0, 0}, {1, 1}, {2, 7}, {3, 3}};
  for (auto [w, h] : sizes) {
    for (Rgb fill : {kWhite, kBlack}) {
      SCOPED_TRACE(testing::Message() << w << " x " << h << (fill == kWhite ? " white" : " black"));
      Workspace ws;
      ws.ArtworkBitmap = Bitmap(w, h, fill);
      const Bitmap before = ws.ArtworkBitmap;
      StoppingHost host;
      EXPECT_TRUE(PreprocessArtwork(ws, host));
      EXPECT_EQ(ws.ArtworkBitmap, before);
      EXPECT_TRUE(MarkGapMiddles(ws, host));
      EXPECT_EQ(ws.ArtworkBitmap, before);
    }
  }
}

TEST(PreprocessArtwork, AStopLeftSetEndsEveryStoppablePhaseAndKeepsTheFlag) {
  Workspace ws = TwoIslands();
  ws.ArtworkBitmap.Set(40, 35, kYellow);  // blackened in any case
  Bitmap expected = ws.ArtworkBitmap;
  expected.Set(40, 35, kBlack);
  ws.StopRequest = true;
  StoppingHost host;
  EXPECT_FALSE(PreprocessArtwork(ws, host));
  EXPECT_TRUE(ws.StopRequest);
  EXPECT_EQ(ws.ArtworkBitmap, expected);  // no layers, no ridges: the board as it was
}

}  // namespace
}  // namespace pistora
