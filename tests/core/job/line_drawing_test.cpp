#include "core/job/line_drawing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>
#include <utility>

namespace pistora {
namespace {

using Points = std::set<std::pair<int, int>>;

Points BluePixels(const Bitmap& b, int offset_x = 0, int offset_row = 0) {
  Points points;
  for (int row = 0; row < b.Height(); ++row) {
    for (int x = 0; x < b.Width(); ++x) {
      if (b.Is(x, row, kBlue)) points.insert({x + offset_x, row + offset_row});
    }
  }
  return points;
}

// Classic error-accumulating Bresenham (step along the longer axis, error starting at half
// the longer length), rounding halves away from the start like DrawLine.
Points Bresenham(int x0, int y0, int x1, int y1) {
  Points points;
  const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
  const int sx = x1 < x0 ? -1 : 1, sy = y1 < y0 ? -1 : 1;
  const bool x_major = dx >= dy;
  const int n = x_major ? dx : dy, m = x_major ? dy : dx;
  int x = x0, y = y0, error = 0;  // error = 2 * (i * m) - n * (2 * offset) scaled
  for (int i = 0; i <= n; ++i) {
    points.insert({x, y});
    error += 2 * m;
    if (error >= n && n > 0) {  // offset grows once 2 * i * m + n reaches 2 * n * (offset + 1)
      error -= 2 * n;
      (x_major ? y : x) += x_major ? sy : sx;
    }
    (x_major ? x : y) += x_major ? sx : sy;
  }
  return points;
}

TEST(DrawLine, MatchesBresenhamInsideTheBitmap) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> coord(0, 59);
  for (int round = 0; round < 300; ++round) {
    const int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
    SCOPED_TRACE(std::to_string(x0) + "," + std::to_string(y0) + " -> " + std::to_string(x1) + "," + std::to_string(y1));
    Bitmap b(60, 60);
    DrawLine(b, x0, y0, x1, y1, kBlue);
    const Points drawn = BluePixels(b);
    EXPECT_EQ(drawn, Bresenham(x0, y0, x1, y1));
    EXPECT_TRUE(drawn.count({x0, y0}) && drawn.count({x1, y1}));
  }
}

TEST(DrawLine, ClippedLinesAreTheVisiblePartOfTheWholeLine) {
  // A 30 x 20 window placed at (100, 100) inside a 300 x 300 canvas: a line drawn on the
  // window with shifted ends must give exactly the canvas pixels that fall in the window.
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> coord(0, 299);
  for (int round = 0; round < 300; ++round) {
    const int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
    SCOPED_TRACE(std::to_string(x0) + "," + std::to_string(y0) + " -> " + std::to_string(x1) + "," + std::to_string(y1));
    Bitmap canvas(300, 300);
    DrawLine(canvas, x0, y0, x1, y1, kBlue);
    Points expected;
    for (const auto& [x, y] : BluePixels(canvas)) {
      if (x >= 100 && x < 130 && y >= 100 && y < 120) expected.insert({x, y});
    }
    Bitmap window(30, 20);
    DrawLine(window, x0 - 100, y0 - 100, x1 - 100, y1 - 100, kBlue);
    EXPECT_EQ(BluePixels(window, 100, 100), expected);
  }
}

TEST(DrawLine, FarEndsAndDegenerateLines) {
  Bitmap b(10, 10);
  DrawLine(b, -2000000000, 5, 2000000000, 5, kBlue);  // a horizontal line through row 5
  EXPECT_EQ(BluePixels(b).size(), 10u);
  EXPECT_TRUE(b.Is(0, 5, kBlue) && b.Is(9, 5, kBlue));
  Bitmap c(10, 10);
  DrawLine(c, 3, 4, 3, 4, kBlue);  // a point
  EXPECT_EQ(BluePixels(c), (Points{{3, 4}}));
  DrawLine(c, -5, -5, -1, 40, kBlue);  // entirely outside
  DrawLine(c, 20, 2, 20, 2, kBlue);
  EXPECT_EQ(BluePixels(c).size(), 1u);
  Bitmap empty;
  DrawLine(empty, 0, 0, 5, 5, kBlue);  // nothing to draw on
  EXPECT_TRUE(empty.Empty());
}

}  // namespace
}  // namespace pistora
