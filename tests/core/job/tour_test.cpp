#include "core/job/tour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/job/drill_sizes.h"

namespace pistora {
namespace {

std::vector<TourStop> RandomHoles(std::mt19937& random, int count) {
  std::uniform_real_distribution<double> coordinate(0, 4000);
  std::vector<TourStop> stops;
  for (int i = 0; i < count; ++i) {
    const double x = coordinate(random), y = coordinate(random);
    stops.push_back({x, y, x, y});
  }
  return stops;
}

bool IsPermutation(const Tour& tour, std::size_t n) {
  std::vector<int> sorted = tour.order;
  std::sort(sorted.begin(), sorted.end());
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    if (sorted[i] != static_cast<int>(i)) return false;
  }
  return sorted.size() == n && tour.reversed.size() == n;
}

TEST(Tour, TwoOptNeverLongerThanNearestNeighbourAndUsuallyShorter) {
  std::mt19937 random(1234);
  double nearest_total = 0, improved_total = 0;
  for (const int count : {1, 2, 3, 7, 20, 60, 200, 800}) {
    for (int trial = 0; trial < 5; ++trial) {
      SCOPED_TRACE(std::to_string(count) + " holes, trial " + std::to_string(trial));
      const std::vector<TourStop> stops = RandomHoles(random, count);
      Tour tour = NearestNeighbourTour(stops, 0, 0);
      ASSERT_TRUE(IsPermutation(tour, stops.size()));
      const double nearest = TourLength(stops, 0, 0, tour);
      ImproveTourTwoOpt(stops, 0, 0, &tour);
      ASSERT_TRUE(IsPermutation(tour, stops.size()));
      const double improved = TourLength(stops, 0, 0, tour);
      EXPECT_LE(improved, nearest + 1e-6);
      nearest_total += nearest;
      improved_total += improved;
    }
  }
  // 2-opt after nearest neighbour typically saves 5 to 15 % on uniform points.
  EXPECT_LT(improved_total, 0.95 * nearest_total);
}

TEST(Tour, OpenStopsMayBeRunBackwards) {
  // A track, a second one listed from its far end, then a hole beyond it: the best tour runs
  // the second track backwards (saving 180 of 410).
  const std::vector<TourStop> stops = {{0, 0, 100, 0}, {200, 0, 110, 0}, {210, 0, 210, 0}};
  Tour tour{{0, 1, 2}, {false, false, false}};
  const double before = TourLength(stops, 0, 0, tour);
  ImproveTourTwoOpt(stops, 0, 0, &tour);
  EXPECT_DOUBLE_EQ(before, 410);
  EXPECT_DOUBLE_EQ(TourLength(stops, 0, 0, tour), 230);
  EXPECT_EQ(tour.order, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(tour.reversed, (std::vector<bool>{false, true, false}));
}

TEST(DrillSizes, ListsNearestDrillAndNames) {
  std::vector<DrillSize> drills;
  ASSERT_TRUE(ParseDrillList(" 1.2, 0.6 ,0.8,1.0", &drills).ok());
  ASSERT_EQ(drills.size(), 4u);
  EXPECT_EQ(drills[0].text, "0.6");
  EXPECT_EQ(drills[3].text, "1.2");
  struct Row {
    double hole;
    const char* drill;
  } rows[] = {{0.1, "0.6"}, {0.69, "0.6"}, {0.7, "0.8"}, {0.95, "1.0"}, {1.1, "1.2"}, {3.0, "1.2"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.hole);
    EXPECT_EQ(drills[NearestDrill(drills, r.hole)].text, r.drill);
  }
  EXPECT_EQ(DrillProgramName("out/b-percage.iso", drills[1]), "out/b-percage-0.8mm.iso");
  EXPECT_EQ(DrillProgramName("b", drills[1]), "b-0.8mm.iso");

  ASSERT_TRUE(ParseDrillList("", &drills).ok());
  EXPECT_TRUE(drills.empty());
  for (const char* bad : {"0.6,,0.8", "0,8", "0.8,0.80", "-1", "12", "0", "abc", "0.8;1.0"}) {
    SCOPED_TRACE(bad);
    const Status status = ParseDrillList(bad, &drills);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find(bad), std::string::npos);
  }

  Contour pad;
  pad.MinX = 10;
  pad.MaxX = 29;  // 20 pixels wide
  pad.MinY = 0;
  pad.MaxY = 23;  // 24 pixels high
  EXPECT_DOUBLE_EQ(PadHoleDiameterMm(pad, 0.05), 1.1);
}

}  // namespace
}  // namespace pistora
