#include "core/job/drill_placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/job/drill_sizes.h"
#include "core/job/engraving_file.h"

namespace pistora {
namespace {

// Wherever a board point lies on a picture, its pixel's centre is within half a pixel of it
// on each axis, mirrored or not.
TEST(DrillPlacementTest, BoardPointsLandWithinHalfAPixel) {
  std::mt19937 random(23);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int trial = 0; trial < 2000; ++trial) {
    const PictureFrame frame{-50.0 + 100.0 * unit(random), -50.0 + 100.0 * unit(random),
                             0.005 + 0.1 * unit(random), 10 + static_cast<int>(500 * unit(random)),
                             10 + static_cast<int>(500 * unit(random)), trial % 2 == 1};
    const double x = frame.origin_x_mm + frame.width * frame.pixel_mm * unit(random);
    const double y = frame.origin_y_mm + frame.height * frame.pixel_mm * unit(random);
    const PathPixel p = BoardToPath(frame, x, y);
    SCOPED_TRACE(testing::Message() << "trial " << trial << " x " << x << " y " << y);
    // Pixel (x, y) of path coordinates covers [x, x + 1) from the left edge (turned over when
    // mirrored) and [y - 1, y) from the bottom edge.
    const double centre_from_left = frame.mirrored ? frame.width - (p.x + 0.5) : p.x + 0.5;
    EXPECT_LE(std::abs(frame.origin_x_mm + centre_from_left * frame.pixel_mm - x), frame.pixel_mm / 2 + 1e-9);
    EXPECT_LE(std::abs(frame.origin_y_mm + (p.y - 0.5) * frame.pixel_mm - y), frame.pixel_mm / 2 + 1e-9);
    EXPECT_GE(p.x, 0);
    EXPECT_LT(p.x, frame.width);
    EXPECT_GE(p.y, 1);
    EXPECT_LE(p.y, frame.height);
  }
}

class PlaceDrillHolesTest : public testing::Test {
 protected:
  // A 100 x 60 picture of 0.1 mm pixels whose lower-left corner is board (20, 10): one round
  // pad of copper around board (25, 13), and the picture's own pad contour.
  void SetUp() override {
    ws_.ArtworkBitmap = Bitmap(100, 60, kWhite);
    ws_.EngravingBitmap = Bitmap(100, 60, kWhite);
    ws_.PixelSizeMm = frame_.pixel_mm;
    const PathPixel centre = BoardToPath(frame_, 25.0, 13.0);
    for (int dy = -8; dy <= 8; ++dy) {
      for (int dx = -8; dx <= 8; ++dx) {
        if (dx * dx + dy * dy <= 64) ws_.ArtworkBitmap.Set(centre.x + dx, ws_.ArtworkBitmap.RowOf(centre.y) + dy, kBlack);
      }
    }
    Contour pad;
    pad.IsPad = true;
    pad.IsClosed = true;
    ws_.Table.items.push_back(pad);
  }
  PictureFrame frame_{20.0, 10.0, 0.1, 100, 60, false};
  Workspace ws_;
};

TEST_F(PlaceDrillHolesTest, HolesReplacePicturePadsAndKeepTheirDiameterThroughTheEngravingFile) {
  const std::vector<DrillHole> holes = {{25.0, 13.0, 0.8, 7}, {22.0, 15.0, 1.15, 9}};
  DrillPlacement placement;
  ASSERT_TRUE(PlaceDrillHoles(ws_, holes, frame_, &placement));
  EXPECT_EQ(placement.placed, 2);
  EXPECT_EQ(placement.dropped_pads, 1);
  EXPECT_FALSE(ws_.Table[0].IsPad);
  EXPECT_TRUE(ws_.Table[0].IsUseless);
  // The second hole lies on white only: named by its line.
  EXPECT_EQ(placement.off_copper, 1);
  ASSERT_EQ(placement.notices.size(), 1u);
  EXPECT_NE(placement.notices[0].find("ligne 9"), std::string::npos) << placement.notices[0];

  EngravingFile reread;
  ASSERT_TRUE(ParseEngravingFile(EngravingFileLines(ws_), &reread));
  ASSERT_EQ(reread.Table.ContourCount(), 3);
  for (int k = 0; k < 2; ++k) {
    const Contour& c = reread.Table[1 + k];
    const PathPixel p = BoardToPath(frame_, holes[k].x_mm, holes[k].y_mm);
    EXPECT_TRUE(c.IsPad);
    EXPECT_EQ(c.CenterX, p.x);
    EXPECT_EQ(c.CenterY, p.y);
    EXPECT_DOUBLE_EQ(PadHoleDiameterMm(c, frame_.pixel_mm), holes[k].diameter_mm);
  }
}

TEST_F(PlaceDrillHolesTest, AHoleOffThePictureIsRefusedAndChangesNothing) {
  const Workspace before = ws_;
  DrillPlacement placement;
  const Status s = PlaceDrillHoles(ws_, {{25.0, 13.0, 0.8, 4}, {35.0, 13.0, 0.8, 5}}, frame_, &placement);
  ASSERT_FALSE(s);
  EXPECT_NE(s.message().find("ligne 5"), std::string::npos) << s.message();
  EXPECT_EQ(ws_.Table, before.Table);
}

}  // namespace
}  // namespace pistora
