#include "core/artwork/view_zoom.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pistora {
namespace {

// A board much larger than the view and one much smaller, at zoom levels from far out to far in.
struct Case {
  double content_w, content_h;
};
constexpr Case kCases[] = {{4758, 3348}, {120, 80}};
constexpr double kViewW = 561, kViewH = 441;

TEST(ViewZoom, ZoomingAboutAPointKeepsThePixelUnderItAndClicksMapBack) {
  for (const Case& c : kCases) {
    ViewZoom zoom;
    zoom.SetContentSize(c.content_w, c.content_h);
    zoom.SetViewportSize(kViewW, kViewH);
    zoom.Fit();
    for (int notch = 0; notch < 30; ++notch) {
      const ViewPoint cursor{37.0 + notch * 17 % 500, 21.0 + notch * 29 % 400};
      const ViewPoint before = zoom.ToContent(cursor);
      zoom.ZoomAbout(cursor, notch < 20 ? ViewZoom::kStep : 1 / ViewZoom::kStep);
      SCOPED_TRACE(testing::Message() << c.content_w << " scale " << zoom.Scale());
      const ViewPoint after = zoom.ToContent(cursor);
      const bool limited = zoom.Origin().x <= 0 || zoom.Origin().x >= zoom.MaxOriginX() ||
                           zoom.Origin().y <= 0 || zoom.Origin().y >= zoom.MaxOriginY();
      if (!limited) {
        EXPECT_NEAR(after.x, before.x, 1e-9);
        EXPECT_NEAR(after.y, before.y, 1e-9);
      }
      // Every screen pixel maps to the picture pixel whose square holds its centre, and the
      // centre of that picture pixel maps back into the same screen pixel when zoomed in.
      for (int sx : {0, 1, 100, 560}) {
        int px = 0, py = 0;
        zoom.PixelAt(sx, 200, px, py);
        const ViewPoint centre = zoom.ToContent({sx + 0.5, 200.5});
        EXPECT_EQ(px, static_cast<int>(std::floor(centre.x)));
        if (zoom.Scale() >= 1) {
          const ViewPoint back = zoom.ToScreen({px + 0.5, py + 0.5});
          EXPECT_LE(std::abs(back.x - (sx + 0.5)), zoom.Scale() / 2 + 1e-9);
        }
      }
      EXPECT_GE(zoom.Scale(), ViewZoom::kMinScale);
      EXPECT_LE(zoom.Scale(), ViewZoom::kMaxScale);
    }
  }
}

TEST(ViewZoom, FitShowsAllAndLimitsKeepTheContentInReach) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.content_w);
    ViewZoom zoom;
    zoom.SetContentSize(c.content_w, c.content_h);
    zoom.SetViewportSize(kViewW, kViewH);
    zoom.Fit();
    const ViewPoint top_left = zoom.ToScreen({0, 0});
    const ViewPoint bottom_right = zoom.ToScreen({c.content_w, c.content_h});
    EXPECT_GE(top_left.x, -1e-9);
    EXPECT_GE(top_left.y, -1e-9);
    EXPECT_LE(bottom_right.x, kViewW + 1e-9);
    EXPECT_LE(bottom_right.y, kViewH + 1e-9);
    EXPECT_TRUE(std::abs(bottom_right.x - top_left.x - kViewW) < 1e-6 ||
                std::abs(bottom_right.y - top_left.y - kViewH) < 1e-6);  // one side fills the view

    zoom.OneToOne();
    EXPECT_DOUBLE_EQ(zoom.Scale(), 1.0);
    zoom.PanBy(1e6, -1e6);  // far past the ends: stops there
    EXPECT_GE(zoom.Origin().x, std::min(0.0, (c.content_w - kViewW) / 2) - 1e-9);
    EXPECT_LE(zoom.Origin().y, zoom.MaxOriginY() + 1e-9);
    zoom.CentreOn({c.content_w / 2, c.content_h / 2});
    const ViewPoint middle = zoom.ToScreen({c.content_w / 2, c.content_h / 2});
    EXPECT_NEAR(middle.x, kViewW / 2, 1e-9);
    EXPECT_NEAR(middle.y, kViewH / 2, 1e-9);
  }
}

}  // namespace
}  // namespace pistora
