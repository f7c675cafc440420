#include "core/artwork/view_geometry.h"

#include <gtest/gtest.h>

namespace pistora {
namespace {

TEST(ViewGeometry, ScrollMaximumIsTheExcessOrOne) {
  struct Row {
    const char* name;
    int side, view, expected;
  } rows[] = {
      {"much larger", 1000, kViewWidth, 1000 - 561 - 1},
      {"two pixels larger", 563, kViewWidth, 1},
      {"three pixels larger", 564, kViewWidth, 2},
      {"exactly the view", 561, kViewWidth, 1},
      {"smaller", 10, kViewWidth, 1},
      {"empty", 0, kViewHeight, 1},
      {"tall", 4001, kViewHeight, 4001 - 441 - 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(ScrollMaximum(r.side, r.view), r.expected);
  }
}

TEST(ViewGeometry, PanningFollowsThePointerAndStopsAtTheEnds) {
  struct Row {
    const char* name;
    int current, pointer, remembered, maximum, expected;
  } rows[] = {
      {"drag left scrolls right", 100, 90, 100, 400, 110},
      {"drag right scrolls left", 100, 130, 100, 400, 70},
      {"past the start", 5, 50, 10, 400, 0},
      {"past the maximum", 390, 0, 50, 400, 400},
      {"no movement", 17, 33, 33, 400, 17},
      {"small picture", 0, 0, 300, 1, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(PanPosition(r.current, r.pointer, r.remembered, r.maximum), r.expected);
  }
  EXPECT_EQ(ClampScroll(-3, 10), 0);
  EXPECT_EQ(ClampScroll(11, 10), 10);
}

}  // namespace
}  // namespace pistora
