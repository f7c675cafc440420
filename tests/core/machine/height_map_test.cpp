#include "core/machine/height_map.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

#include "core/machine/height_map_file.h"
#include "core/machine/height_map_motion.h"
#include "core/machine/move_splitting.h"
#include "fake_iso_motion.h"

namespace pistora {
namespace {

HeightMap Sampled(const HeightGrid& grid, const std::function<double(double, double)>& surface) {
  HeightMap map(grid);
  for (int r = 0; r < grid.rows; ++r) {
    for (int c = 0; c < grid.columns; ++c) map.Set(c, r, surface(map.PointX(c), map.PointY(r)));
  }
  return map;
}

const HeightGrid kGrid{-5, 3, 16, 15, 6, 5};  // 80 x 60 mm from (-5, 3)

TEST(HeightMapTest, BilinearIsExactOnAPlaneAndHoldsTheEdgeValueOutside) {
  const auto plane = [](double x, double y) { return 0.03 + 0.002 * x - 0.0013 * y; };
  const HeightMap map = Sampled(kGrid, plane);
  std::mt19937 random(7);
  std::uniform_real_distribution<double> x(-30, 100), y(-20, 90);
  for (int n = 0; n < 2000; ++n) {
    const double px = x(random), py = y(random);
    SCOPED_TRACE(::testing::Message() << px << ", " << py);
    EXPECT_NEAR(map.HeightAt(px, py), plane(std::clamp(px, -5.0, 75.0), std::clamp(py, 3.0, 63.0)), 1e-12);
  }
  const HeightSummary s = map.Summary();
  EXPECT_NEAR(s.tilt_x, 0.2, 1e-12);
  EXPECT_NEAR(s.tilt_y, -0.13, 1e-12);
  EXPECT_NEAR(s.min, plane(-5, 63), 1e-12);
  EXPECT_NEAR(s.max, plane(75, 3), 1e-12);
}

TEST(HeightMapTest, BilinearOnABowStaysWithinTheGridError) {
  // f = b·(u(1−u) + v(1−v)) has f'' = −2b/L² on each axis: a linear piece over a spacing h
  // is off by at most |f''|·h²/8 per axis.
  const double b = 0.4, lx = 80, ly = 60;
  const auto bow = [&](double x, double y) {
    const double u = (x + 5) / lx, v = (y - 3) / ly;
    return b * (u * (1 - u) + v * (1 - v));
  };
  const HeightMap map = Sampled(kGrid, bow);
  const double bound = 2 * b / (lx * lx) * 16 * 16 / 8 + 2 * b / (ly * ly) * 15 * 15 / 8;
  double worst = 0;
  for (double x = -5; x <= 75; x += 0.7) {
    for (double y = 3; y <= 63; y += 0.6) worst = std::max(worst, std::abs(map.HeightAt(x, y) - bow(x, y)));
  }
  EXPECT_LE(worst, bound);
  EXPECT_GT(worst, bound / 4);  // the interpolation is really used between the points
}

TEST(HeightMapTest, GridsBySpacingAndCount) {
  struct Case {
    double ex, ey, spacing;
    int columns, rows;
  } cases[] = {{80, 60, 10, 9, 7}, {80, 60, 16, 6, 5}, {80, 60, 100, 2, 2}, {10.5, 3, 1, 12, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.ex << "x" << c.ey << " @" << c.spacing);
    const auto grid = GridBySpacing(0, 0, c.ex, c.ey, c.spacing, nullptr);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->columns, c.columns);
    EXPECT_EQ(grid->rows, c.rows);
    EXPECT_LE(grid->step_x, c.spacing + 1e-12);
    EXPECT_NEAR(grid->step_x * (grid->columns - 1), c.ex, 1e-9);
  }
  std::string error;
  EXPECT_FALSE(GridByCount(0, 0, 80, 60, 1, 5, &error));
  EXPECT_NE(error.find("1 x 5"), std::string::npos) << error;
  EXPECT_FALSE(GridByCount(0, 0, 80, 0, 6, 5, &error));
  EXPECT_FALSE(GridBySpacing(0, 0, 80, 60, 0.01, &error));  // 8001 points a row
  EXPECT_FALSE(GridBySpacing(0, 0, 80, 60, -1, &error));
}

TEST(HeightMapTest, SerpentineVisitsEveryPointOnceStepByStep) {
  for (const auto& [columns, rows] : {std::pair{2, 2}, std::pair{6, 5}, std::pair{3, 8}}) {
    const std::vector<GridPoint> order = SerpentineOrder({0, 0, 1, 1, columns, rows});
    std::set<std::pair<int, int>> seen;
    for (std::size_t i = 0; i < order.size(); ++i) {
      seen.insert({order[i].column, order[i].row});
      if (i > 0) {
        EXPECT_EQ(std::abs(order[i].column - order[i - 1].column) + std::abs(order[i].row - order[i - 1].row), 1);
      }
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(columns * rows));
    EXPECT_EQ(order.front().column, 0);
    EXPECT_EQ(order.front().row, 0);
  }
}

TEST(MoveSplittingTest, SegmentsAreEqualShortCollinearAndEndOnTheTarget) {
  std::mt19937 random(3);
  std::uniform_real_distribution<double> coordinate(-50, 50), limit(0.1, 20);
  for (int n = 0; n < 300; ++n) {
    const ToolPosition from{coordinate(random), coordinate(random), -0.2};
    const ToolPosition to{coordinate(random), coordinate(random), -0.3};
    const double max = limit(random);
    const std::vector<ToolPosition> ends = SplitMove(from, to, max);
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    ASSERT_EQ(ends.size(), static_cast<std::size_t>(std::max(1.0, std::ceil(length / max))));
    EXPECT_EQ(ends.back(), to);
    ToolPosition previous = from;
    for (const ToolPosition& end : ends) {
      const double piece = std::hypot(end.x - previous.x, end.y - previous.y);
      EXPECT_LE(piece, max + 1e-9);
      EXPECT_NEAR(piece, length / ends.size(), 1e-9);
      // Z follows the XY travel linearly.
      EXPECT_NEAR((end.z - from.z) * length, (to.z - from.z) * std::hypot(end.x - from.x, end.y - from.y), 1e-9);
      previous = end;
    }
  }
  EXPECT_EQ(SplitMove({0, 0, 5}, {0, 0, -1}, 1).size(), 1u);  // a plunge stays whole
}

// A machine that makes whole steps of 1/133.3333 mm, as the engine does.
class SteppingMotion final : public FakeIsoMotion {
 public:
  void MoveTo(double x, double y, double z) override {
    const auto step = [](double v) { return std::round(v * 133.3333) / 133.3333; };
    FakeIsoMotion::MoveTo(step(x), step(y), step(z));
  }
};

TEST(HeightMapMotionTest, CutsFollowThePlaneInShortSegmentsAcrossCopiesWithoutDrift) {
  const auto plane = [](double x, double y) { return 0.002 * x + 0.001 * y; };
  const HeightMap map = Sampled({0, 0, 10, 10, 11, 9}, plane);
  SteppingMotion machine;
  HeightMapMotion motion(machine, map);
  motion.ZeroAxisZ();
  motion.MoveTo(0, 0, 1);
  motion.MoveTo(10, 10, 1);  // above the copper: one move, its end corrected
  EXPECT_EQ(machine.targets.size(), 2u);
  motion.MoveTo(10, 10, -0.25);
  // Many short cuts without a Z word, as program lines give them: Z comes back unrounded.
  for (int i = 1; i <= 400; ++i) {
    const ToolPosition p = motion.CurrentPosition();
    motion.MoveTo(10 + 0.15 * i, 10 + 0.1 * i, p.z);
  }
  EXPECT_EQ(motion.CurrentPosition().z, -0.25);
  const std::size_t before_long_cut = machine.targets.size();
  motion.MoveTo(2, 3, -0.25);  // from (70, 50): 82.7 mm in 17 segments of 5 mm at most
  EXPECT_EQ(machine.targets.size() - before_long_cut, 17u);
  // Every cutting target: the program depth plus the plane, to half a step.
  for (std::size_t i = 2; i < machine.targets.size(); ++i) {
    const ToolPosition& t = machine.targets[i];
    EXPECT_NEAR(t.z, -0.25 + plane(t.x, t.y), 0.5 / 133.3333 + 1e-9) << i;
  }
  // The second copy 40 mm further on X: its origin reads the map there.
  motion.MoveTo(0, 0, 2);
  motion.MoveTo(40, 0, 2);
  motion.ZeroAxisX();
  motion.MoveTo(5, 5, -0.25);
  EXPECT_NEAR(machine.targets.back().z, -0.25 + plane(45, 5), 0.5 / 133.3333 + 1e-9);
  EXPECT_NEAR(motion.CurrentPosition().x, 5, 1e-12);
}

// A resume compares the work zero's epoch at the stop with the machine's: through the map's
// correction it must be the machine's own.
TEST(HeightMapMotionTest, PassesTheWorkZeroEpochThrough) {
  struct Epoch7 : FakeIsoMotion {
    std::uint64_t WorkZeroEpoch() const override { return 7; }
  } machine;
  const HeightMap map = Sampled({0, 0, 10, 10, 2, 2}, [](double, double) { return 0.0; });
  EXPECT_EQ(HeightMapMotion(machine, map).WorkZeroEpoch(), 7u);
}

TEST(HeightMapFileTest, RoundTripAndRefusalsNameTheLine) {
  HeightMap map = Sampled(kGrid, [](double x, double y) { return 0.001 * x * y - 0.05; });
  Status status;
  const HeightMap back = ParseHeightMapLines(HeightMapLines(map), "carte.txt", &status);
  ASSERT_TRUE(status) << status.message();
  EXPECT_EQ(back.Grid().columns, 6);
  EXPECT_EQ(back.Grid().rows, 5);
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 6; ++c) EXPECT_NEAR(back.At(c, r), map.At(c, r), 0.00005);
  }
  const std::vector<std::string> good = {"# carte", "grille 2 2 0 0 10 10", "0 0 0", "10 0 0.1", "10 10 0.2",
                                         "0 10 0.1"};
  ParseHeightMapLines(good, "c.txt", &status);
  EXPECT_TRUE(status) << status.message();
  struct Bad {
    std::size_t line;     // 1-based line to replace
    std::string text;
    std::string named;    // "ligne N" expected
  } bad[] = {
      {2, "grille 2 2 0 0 10", "ligne 2"},           // short header
      {2, "grille 1 2 0 0 10 10", "ligne 2"},        // too few columns
      {2, "grille 2 2 0 0 0 10", "ligne 2"},         // no spacing
      {4, "10 0", "ligne 4"},                        // two numbers
      {5, "10 10 abc", "ligne 5"},                   // not a number
      {5, "5 10 0.2", "ligne 5"},                    // off the grid
      {6, "10 10 0.3", "ligne 6"},                   // twice the same point
      {6, "# the last point left out", "ligne 5"},   // missing point, named at the last read
      {3, "0 0 nan", "ligne 3"},
  };
  for (const Bad& b : bad) {
    SCOPED_TRACE(b.text);
    std::vector<std::string> lines = good;
    lines[b.line - 1] = b.text;
    ParseHeightMapLines(lines, "c.txt", &status);
    ASSERT_FALSE(status);
    EXPECT_NE(status.message().find("c.txt, " + b.named + " :"), std::string::npos) << status.message();
  }
}

}  // namespace
}  // namespace pistora
