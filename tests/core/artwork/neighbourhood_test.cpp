#include "core/artwork/neighbourhood.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

namespace pistora {
namespace {

TEST(Neighbourhood, HasAndCountFollowTheBorderRules) {
  Bitmap bm(5, 4);
  bm.Set(0, 0, kBlack);
  bm.Set(2, 1, kBlack);
  bm.Set(4, 3, kBlack);
  const struct {
    int x, row;
    bool has;
    int count;
  } cases[] = {
      {0, 1, false, 0},  // x = 0: never, although (0, 0) touches it
      {1, 0, false, 0},  // row = 0
      {1, 1, true, 2},   // (0, 0) diagonally and (2, 1)
      {3, 2, true, 2},   // (2, 1) and (4, 3)
      {4, 1, false, 0},  // right edge: the neighbours outside count as no colour
      {3, 3, true, 1},   // bottom edge
      {2, 1, false, 0},  // a pixel is not its own neighbour
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.row);
    EXPECT_EQ(HasNeighbour(bm, c.x, c.row, kBlack), c.has);
    EXPECT_EQ(CountNeighbours(bm, c.x, c.row, kBlack), c.count);
  }
  EXPECT_EQ(CountNeighbours(bm, 2, 2, kWhite), 7);
}

TEST(Neighbourhood, StepToNeighbourTakesTheLastMatchInScanOrder) {
  Bitmap bm(5, 5, kBlack);
  PixelPoint p{2, 2};
  EXPECT_FALSE(StepToNeighbour(bm, p, kWhite));
  EXPECT_EQ(p, (PixelPoint{2, 2}));
  bm.Set(1, 1, kWhite);  // first in the order
  bm.Set(3, 2, kWhite);  // fifth
  bm.Set(1, 3, kWhite);  // sixth
  EXPECT_TRUE(StepToNeighbour(bm, p, kWhite));
  EXPECT_EQ(p, (PixelPoint{1, 3}));
  // From the corner, neighbours outside the bitmap are skipped.
  PixelPoint corner{0, 0};
  bm.Set(1, 0, kWhite);
  EXPECT_TRUE(StepToNeighbour(bm, corner, kWhite));
  EXPECT_EQ(corner, (PixelPoint{1, 1}));
  // Kept off the frame on request.
  PixelPoint inner{1, 1};
  bm.Set(0, 2, kRed);
  EXPECT_FALSE(StepToNeighbour(bm, inner, kRed, true));
  EXPECT_TRUE(StepToNeighbour(bm, inner, kRed));
  EXPECT_EQ(inner, (PixelPoint{0, 2}));
}

TEST(WalkLine, IsAConnectedBresenhamLineEndingAtTheTarget) {
  std::vector<PixelPoint> visited;
  WalkLine({0, 0}, {3, 1}, [&](PixelPoint p) {
    visited.push_back(p);
    return true;
  });
  EXPECT_EQ(visited, (std::vector<PixelPoint>{{1, 0}, {2, 1}, {3, 1}}));

  std::mt19937 random(7);
  for (int trial = 0; trial < 3000; ++trial) {
    const PixelPoint a{static_cast<int>(random() % 41) - 20, static_cast<int>(random() % 41) - 20};
    const PixelPoint b{static_cast<int>(random() % 41) - 20, static_cast<int>(random() % 41) - 20};
    SCOPED_TRACE(testing::Message() << a.x << "," << a.row << " -> " << b.x << "," << b.row);
    PixelPoint last = a;
    int steps = 0;
    WalkLine(a, b, [&](PixelPoint p) {
      EXPECT_LE(std::abs(p.x - last.x), 1);
      EXPECT_LE(std::abs(p.row - last.row), 1);
      last = p;
      ++steps;
      return true;
    });
    EXPECT_EQ(last, b);
    EXPECT_EQ(steps, std::max(std::abs(b.x - a.x), std::abs(b.row - a.row)));
  }
}

TEST(LineClear, StopsAtCopperButNotAtTheStart) {
  Bitmap bm(8, 3);
  bm.Set(0, 1, kBlack);
  EXPECT_TRUE(LineClear(bm, {0, 1}, {7, 1}));  // the start is not tested
  bm.Set(7, 1, kBlack);
  EXPECT_FALSE(LineClear(bm, {0, 1}, {7, 1}));  // the end is
  EXPECT_TRUE(LineClear(bm, {7, 1}, {7, 1}));
  bm.Set(4, 0, kBlack);
  EXPECT_FALSE(LineClear(bm, {6, 0}, {0, 0}));
  EXPECT_TRUE(LineClear(bm, {6, 2}, {0, 2}));
}

TEST(NearestReachableWhite, SpiralPairsAndVisibility) {
  Bitmap bm(11, 11, kYellow);  // neither black nor white
  const PixelPoint p{5, 5};
  EXPECT_EQ(NearestReachableWhite(bm, p), std::nullopt);  // covers the bitmap, then gives up

  // Both legs of the first pair (left, then up) hit: the last one wins.
  bm.Set(4, 5, kWhite);
  bm.Set(4, 4, kWhite);
  EXPECT_EQ(NearestReachableWhite(bm, p), (PixelPoint{4, 4}));

  // Nothing in pair 1; pair 2 (right 2, down 2) ends at (6, 6).
  Bitmap second(11, 11, kYellow);
  second.Set(5, 4, kWhite);  // right leg
  second.Set(6, 5, kWhite);  // down leg
  second.Set(9, 9, kWhite);  // farther: not reached
  EXPECT_EQ(NearestReachableWhite(second, p), (PixelPoint{6, 5}));

  // Copper between hides a nearer white pixel.
  Bitmap hidden(11, 11, kYellow);
  hidden.Set(3, 5, kWhite);
  hidden.Set(4, 5, kBlack);
  hidden.Set(5, 9, kWhite);
  EXPECT_EQ(NearestReachableWhite(hidden, p), (PixelPoint{5, 9}));

  // From a corner the spiral still reaches the far corner.
  Bitmap far(30, 20, kYellow);
  far.Set(29, 19, kWhite);
  EXPECT_EQ(NearestReachableWhite(far, {0, 0}), (PixelPoint{29, 19}));
}

}  // namespace
}  // namespace pistora
