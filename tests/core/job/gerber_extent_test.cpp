#include "core/job/gerber_extent.h"

#include <gtest/gtest.h>

namespace pistora {
namespace {

// The scan's box must hold all the copper (it may be larger, never smaller).
TEST(GerberExtentTest, TheBoxHoldsEveryStrokeFlashAndArc) {
  const struct {
    const char* name;
    const char* text;
    BoardBox copper;  // the copper's true extent, mm
  } kCases[] = {
      {"mm, leading zeros left out, round flash and a track",
       "%FSLAX46Y46*%\n%MOMM*%\n%ADD10C,1.0*%\n%ADD11C,0.2*%\nD10*\nX1000000Y2000000D03*\nD11*\n"
       "X1000000Y2000000D02*\nX-3000000Y5000000D01*\nM02*\n",
       {-3.1, 1.5, 1.5, 5.1, false}},
      {"inch 2.4, trailing zeros left out, rectangle",
       "G04 x*\n%FSTAX24Y24*%\n%MOIN*%\n%ADD12R,0.1X0.05*%\nD12*\nX01Y0005D03*\nM02*\n",
       {25.4 - 1.27, 1.27 - 0.635, 25.4 + 1.27, 1.27 + 0.635, false}},
      {"arc around its centre, one D code on two lines",
       "%FSLAX46Y46*%\n%MOMM*%\n%ADD10C,0.2*%\nD10*\nG75*\nX0Y0D02*\nG03X0Y0I5000000J0\nD01*\nM02*\n",
       {-0.1, -5.1, 10.1, 5.1, false}},
      {"macro aperture and a region",
       "%FSLAX46Y46*%\n%MOMM*%\n%AMBOX*\n21,1,$1,$2,0,0,0*%\n%ADD20BOX,2.0X1.0*%\nD20*\nX0Y0D03*\n"
       "G36*\nX10000000Y0D02*\nX12000000Y0D01*\nX12000000Y3000000D01*\nX10000000Y0D01*\nG37*\nM02*\n",
       {-1.0, -0.5, 12.0, 3.0, false}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(LooksLikeGerber(c.text));
    BoardBox box;
    const Status s = ScanGerberExtent(c.text, "c.gbr", &box);
    ASSERT_TRUE(s) << s.message();
    EXPECT_LE(box.min_x, c.copper.min_x + 1e-9);
    EXPECT_LE(box.min_y, c.copper.min_y + 1e-9);
    EXPECT_GE(box.max_x, c.copper.max_x - 1e-9);
    EXPECT_GE(box.max_y, c.copper.max_y - 1e-9);
    // Not absurdly larger either: within the arc allowance.
    EXPECT_LT(box.max_x - box.min_x, 3 * (c.copper.max_x - c.copper.min_x) + 1.0);
  }
  for (const char* picture : {"BM\x36\x10", "GIF89a", "", "  \n"}) EXPECT_FALSE(LooksLikeGerber(picture)) << picture;
}

TEST(GerberExtentTest, EmptyOrUnreadableLayersAreRefused) {
  BoardBox box;
  for (const char* text : {"%FSLAX46Y46*%\n%MOMM*%\nM02*\n", "%MOMM*%\nX100Y100D03*\n", "%FSLAX46Y46*%\nX1.2.3Y0D03*\n"}) {
    SCOPED_TRACE(text);
    const Status s = ScanGerberExtent(text, "c.gbr", &box);
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find("c.gbr"), std::string::npos) << s.message();
  }
}

}  // namespace
}  // namespace pistora
