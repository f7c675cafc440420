#include "core/job/order_job.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <random>
#include <string>
#include <vector>

namespace pistora {
namespace {

Contour At(int sx, int sy, int ex, int ey) {
  Contour c;
  c.StartX = sx;
  c.StartY = sy;
  c.EndX = ex;
  c.EndY = ey;
  return c;
}

Workspace WithContours(std::vector<Contour> contours) {
  Workspace ws;
  ws.Table.items = std::move(contours);
  return ws;
}

std::vector<int> Orders(const Workspace& ws) {
  std::vector<int> orders;
  for (const Contour& c : ws.Table.items) orders.push_back(c.JobOrder);
  return orders;
}

// A full scan per position, as the ordering is defined: the reference for the grid.
std::vector<int> ReferenceOrder(const ContourTable& table, JobMode mode, std::vector<std::string>* memo) {
  std::vector<int> order(table.items.size(), 0);
  std::int64_t px = 0, py = 0;
  for (int k = 1;; ++k) {
    std::uint64_t best = 10000000000ULL;
    int chosen = -1;
    for (int i = 0; i < table.ContourCount(); ++i) {
      if (!IsInJob(table[i], mode) || order[i] != 0) continue;
      const long double dx = static_cast<long double>(px) - table[i].StartX;
      const long double dy = static_cast<long double>(py) - table[i].StartY;
      const long double d = dx * dx + dy * dy;
      if (d <= static_cast<long double>(best)) {
        best = static_cast<std::uint64_t>(d);
        chosen = i;
      }
    }
    if (chosen < 0) break;
    order[chosen] = k;
    px = table[chosen].EndX;
    py = table[chosen].EndY;
    if (memo) memo->push_back(std::to_string(chosen) + ":" + std::to_string(k));
  }
  return order;
}

TEST(OrderJob, NearestStartFromOriginThenFromEachEndPoint) {
  // Contour 1 starts nearest (0, 0) and ends at (100, 100); from there contour 0 is nearer
  // than contour 2 although 2 starts nearer the origin.
  Workspace ws = WithContours({At(90, 90, 5, 5), At(1, 1, 100, 100), At(10, 10, 12, 12)});
  OrderJob(ws, JobMode::Engraving);
  EXPECT_EQ(Orders(ws), (std::vector<int>{2, 1, 3}));
  EXPECT_EQ(ws.OrderedCount, 3);
  ASSERT_EQ(ws.ContourLog.size(), 3u);
  EXPECT_EQ(ws.ContourLog[0], "Le vertex n\xC2\xB0" "1 a re\xC3\xA7u le n\xC2\xB0" "d'ordre 1");
  EXPECT_EQ(ws.ContourLog[2], "Le vertex n\xC2\xB0" "2 a re\xC3\xA7u le n\xC2\xB0" "d'ordre 3");
}

TEST(OrderJob, EqualDistancesGoToTheHigherIndex) {
  // (3, 4), (4, 3), (5, 0) and (0, 5) are all 25 from the origin.
  Workspace ws = WithContours({At(3, 4, 3, 4), At(5, 0, 5, 0), At(4, 3, 4, 3), At(0, 5, 0, 5)});
  OrderJob(ws, JobMode::Engraving);
  EXPECT_EQ(ws.Table[3].JobOrder, 1);
  // Identical starts: the higher index first.
  Workspace same = WithContours({At(7, 7, 7, 7), At(7, 7, 7, 7), At(7, 7, 7, 7)});
  OrderJob(same, JobMode::Engraving);
  EXPECT_EQ(Orders(same), (std::vector<int>{3, 2, 1}));
}

TEST(OrderJob, EligibilityPerModeAndResetOfOlderOrders) {
  Contour track = At(1, 1, 1, 1);
  Contour useless = At(2, 2, 2, 2);
  useless.IsUseless = true;
  Contour pad = At(3, 3, 3, 3);
  pad.IsPad = true;
  Contour useless_pad = At(4, 4, 4, 4);
  useless_pad.IsPad = useless_pad.IsUseless = true;
  Workspace ws = WithContours({track, useless, pad, useless_pad});
  for (Contour& c : ws.Table.items) c.JobOrder = 99;

  OrderJob(ws, JobMode::Engraving);
  EXPECT_EQ(Orders(ws), (std::vector<int>{1, 0, 2, 0}));
  EXPECT_EQ(ws.OrderedCount, 2);

  OrderJob(ws, JobMode::Drilling);
  EXPECT_EQ(Orders(ws), (std::vector<int>{0, 0, 1, 2}));
  EXPECT_EQ(ws.OrderedCount, 2);
}

TEST(OrderJob, NothingEligibleLeavesCountZero) {
  Workspace ws = WithContours({At(1, 1, 1, 1)});
  ws.Table[0].JobOrder = 5;
  ws.OrderedCount = 5;
  OrderJob(ws, JobMode::Drilling);
  EXPECT_EQ(ws.Table[0].JobOrder, 0);
  EXPECT_EQ(ws.OrderedCount, 0);
  EXPECT_TRUE(ws.ContourLog.empty());
}

TEST(OrderJob, MeasureLimitIsInclusive) {
  // 100000^2 is exactly the starting best and is still taken; one pixel farther is not.
  Workspace ws = WithContours({At(100000, 0, 100000, 0), At(0, 100001, 0, 100001)});
  ws.Table[0].EndX = 200000;  // from there the second start is beyond the limit as well
  OrderJob(ws, JobMode::Engraving);
  EXPECT_EQ(Orders(ws), (std::vector<int>{1, 0}));
  EXPECT_EQ(SquaredDistance(0, 0, 100000, 0), 10000000000ULL);
  EXPECT_GT(SquaredDistance(0, 0, 100000, 1), 10000000000ULL);
  EXPECT_GT(SquaredDistance(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), 10000000000ULL);
}

struct RandomTable {
  const char* name;
  int count;
  int span;         // starts in [-span/8, span)
  int cluster;      // > 0: starts on a coarse lattice of this step (many exact ties)
  bool far_points;  // some starts hundreds of thousands of pixels away
};

class OrderJobMatchesFullScan : public ::testing::TestWithParam<RandomTable> {};

TEST_P(OrderJobMatchesFullScan, SameOrderTiesIncluded) {
  const RandomTable& p = GetParam();
  std::mt19937 rng(1234u + static_cast<unsigned>(p.count));
  std::uniform_int_distribution<int> coord(-p.span / 8, p.span - 1);
  std::uniform_int_distribution<int> small(-40, 40);
  std::uniform_int_distribution<int> flag(0, 9);
  for (int round = 0; round < 3; ++round) {
    Workspace ws;
    for (int i = 0; i < p.count; ++i) {
      int sx = coord(rng), sy = coord(rng);
      if (p.cluster > 0) {
        sx -= sx % p.cluster;
        sy -= sy % p.cluster;
      }
      if (p.far_points && flag(rng) == 0) sx += 300000;
      // Most contours are closed; some end a little way off their start.
      Contour c = flag(rng) < 6 ? At(sx, sy, sx, sy) : At(sx, sy, sx + small(rng), sy + small(rng));
      c.IsPad = flag(rng) < 3;
      c.IsUseless = flag(rng) == 0;
      ws.Table.items.push_back(c);
    }
    for (JobMode mode : {JobMode::Engraving, JobMode::Drilling}) {
      SCOPED_TRACE(std::string(p.name) + (mode == JobMode::Engraving ? " engraving" : " drilling") +
                   " round " + std::to_string(round));
      std::vector<std::string> memo;
      const std::vector<int> expected = ReferenceOrder(ws.Table, mode, &memo);
      ws.ContourLog.clear();
      OrderJob(ws, mode);
      ASSERT_EQ(Orders(ws), expected);
      int highest = 0;
      for (int k : expected) highest = std::max(highest, k);
      EXPECT_EQ(ws.OrderedCount, highest);
      EXPECT_EQ(ws.ContourLog.size(), memo.size());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, OrderJobMatchesFullScan,
    ::testing::Values(RandomTable{"sparse", 300, 3000, 0, false}, RandomTable{"dense", 2000, 400, 0, false},
                      RandomTable{"lattice_ties", 1500, 600, 20, false},
                      RandomTable{"narrow_strip", 800, 5000, 0, false},
                      RandomTable{"far_outliers", 600, 2000, 0, true}, RandomTable{"single", 1, 10, 0, false}),
    [](const ::testing::TestParamInfo<RandomTable>& row) { return std::string(row.param.name); });

TEST(OrderJob, IndexByJobOrderInvertsTheOrder) {
  Workspace ws = WithContours({At(5, 5, 5, 5), At(9, 9, 9, 9), At(1, 1, 1, 1)});
  ws.Table[1].IsUseless = true;
  OrderJob(ws, JobMode::Engraving);
  EXPECT_EQ(IndexByJobOrder(ws), (std::vector<int>{-1, 2, 0}));
}

TEST(OrderJob, LargeBoardIsFast) {
  // 12 000 contours spread over a 4000 x 3000 board: the grid keeps this well under a second
  // (a full scan per position would take about 144 million distance measures).
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> x(0, 3999), y(0, 2999);
  Workspace ws;
  for (int i = 0; i < 12000; ++i) {
    const int sx = x(rng), sy = y(rng);
    ws.Table.items.push_back(At(sx, sy, sx, sy));
  }
  const auto start = std::chrono::steady_clock::now();
  OrderJob(ws, JobMode::Engraving);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(ws.OrderedCount, 12000);
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 2000);
}

}  // namespace
}  // namespace pistora
