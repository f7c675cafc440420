#include "core/machine/feed_slider.h"

#include <gtest/gtest.h>

#include <vector>

namespace pistora {
namespace {

TEST(FeedSlider, KeepsThePositionInRangeAndReportsOnlyRealChanges) {
  FeedSlider slider;
  EXPECT_EQ(slider.Maximum(), 600);
  EXPECT_EQ(slider.Position(), 150);
  std::vector<std::int32_t> changes;
  slider.SetChangeHandler([&](std::int32_t feed) { changes.push_back(feed); });

  slider.SetPosition(150);   // no change
  slider.SetPosition(300);
  slider.SetPosition(5000);  // to the top
  slider.SetPosition(7000);  // already there: no change
  slider.SetPosition(0);     // to the bottom
  slider.SetPosition(-40);
  EXPECT_EQ(changes, (std::vector<std::int32_t>{300, 600, 1}));

  changes.clear();
  slider.SetPosition(500);
  slider.SetMaximum(400);    // the position follows the new top
  slider.SetMaximum(800);    // and stays where it is
  EXPECT_EQ(changes, (std::vector<std::int32_t>{500, 400}));
  EXPECT_EQ(slider.Position(), 400);

  slider.SetMaximum(0);      // a nonsense maximum leaves a one-position slider
  EXPECT_EQ(slider.Maximum(), 1);
  EXPECT_EQ(slider.Position(), 1);
}

TEST(FeedSlider, FeedsAreLimitedAndTimesEstimatedWithoutDividingByZero) {
  EXPECT_EQ(LimitFeed(0, 600), 1);
  EXPECT_EQ(LimitFeed(900, 600), 600);
  EXPECT_EQ(LimitFeed(300, 600), 300);
  EXPECT_EQ(LimitFeed(300, -5), 1);
  EXPECT_EQ(LimitFeed(5000000000LL, 600), 600);
  EXPECT_EQ(EstimatedSeconds(100, 150), 40);
  EXPECT_EQ(EstimatedSeconds(2.5, 60), 2);   // 2.5 s rounds to even
  EXPECT_EQ(EstimatedSeconds(3.5, 60), 4);
  EXPECT_EQ(EstimatedSeconds(100, 0), 0);
  EXPECT_EQ(EstimatedSeconds(100, -3), 0);
}

}  // namespace
}  // namespace pistora
