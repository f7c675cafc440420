#include "core/machine/plate_preview.h"

#include <gtest/gtest.h>

#include "core/text/numbers.h"

namespace pistora {
namespace {

TEST(PlatePreview, FactoryPlateHasTwelvePixelBordersAndStartsAtTheBorder) {
  PlatePreview preview(PlateGeometry{});
  preview.Reset(65, 45);
  EXPECT_EQ(preview.BorderX(), 12);  // 353 × 7 / 200 = 12.355
  EXPECT_EQ(preview.BorderY(), 12);  // 265 × 7 / 150 = 12.37
  EXPECT_EQ(FormatFixed(preview.EngraveStartX(), 3), "7.000");
  EXPECT_EQ(FormatFixed(preview.EngraveStartY(), 3), "7.000");
  const std::array<PreviewRect, 4> strips = {PreviewRect{1, 1, 12, 265}, PreviewRect{12, 1, 341, 12},
                                             PreviewRect{341, 1, 353, 265}, PreviewRect{12, 253, 341, 265}};
  EXPECT_EQ(preview.BorderStrips(), strips);
  EXPECT_EQ(preview.Copper(), (PreviewRect{1, 1, 353, 265}));
  // 353 × 65 / 200 = 114.725 → 115; 265 × 45 / 150 = 79.5 → 80 (half to even).
  EXPECT_EQ(preview.JobRect(), (PreviewRect{12, 253 - 80, 12 + 115, 253}));
  EXPECT_EQ(preview.SpindleTarget(), (ToolPosition{7 + 17.25, 7 + 12.25, 0}));
}

TEST(PlatePreview, ScalingRoundsHalvesToEven) {
  EXPECT_EQ(PlateMmToPixels(1, 8, 20), 2);    // 2.5
  EXPECT_EQ(PlateMmToPixels(3, 8, 20), 8);    // 7.5
  EXPECT_EQ(PlateMmToPixels(5, 0, 353), 0);   // no plate size
  EXPECT_EQ(PlateMmToPixels(5, -1, 353), 0);
}

TEST(PlatePreview, DragCarriesTheLowerLeftCornerInsideTheUsableArea) {
  PlatePreview preview(PlateGeometry{});
  preview.Reset(50, 30);  // 88 × 53 pixels (88.25, 53)
  EXPECT_FALSE(preview.Move(100, 100));  // not dragging
  EXPECT_EQ(preview.JobLeft(), 12);

  preview.Press();
  struct Row {
    const char* name;
    int x, y;
    int left, bottom;
  };
  const Row rows[] = {
      {"inside", 100, 200, 100, 200},
      {"far left and below", -500, 5000, 12, 253},
      {"far right and above", 5000, -5000, 353 - 88 - 12, 12 + 53},
      {"on the inner corner", 12, 253, 12, 253},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(preview.Move(row.x, row.y));
    EXPECT_EQ(preview.JobLeft(), row.left);
    EXPECT_EQ(preview.JobBottom(), row.bottom);
  }
  preview.Move(100, 200);
  EXPECT_DOUBLE_EQ(preview.EngraveStartX(), 100 * 200.0 / 353);
  EXPECT_DOUBLE_EQ(preview.EngraveStartY(), (265 - 200) * 150.0 / 265);
  preview.Release();
  EXPECT_FALSE(preview.Move(20, 20));
  EXPECT_EQ(preview.JobLeft(), 100);
}

TEST(PlatePreview, JobWiderThanTheUsableWidthSitsLeftOfTheBorder) {
  PlatePreview preview(PlateGeometry{});
  preview.Reset(195, 10);  // 344 pixels wide, usable width 329
  preview.Press();
  for (const int x : {12, 100, 400}) {
    SCOPED_TRACE(x);
    preview.Move(x, 100);
    EXPECT_EQ(preview.JobLeft(), 353 - 344 - 12);  // -3
  }
  preview.Move(0, 100);
  EXPECT_EQ(preview.JobLeft(), 12);
}

TEST(PlatePreview, NewPlatePutsTheJobBackAtTheStart) {
  PlatePreview preview(PlateGeometry{});
  preview.Reset(50, 30);
  preview.Press();
  preview.Move(150, 150);
  ASSERT_NE(preview.JobLeft(), 12);
  preview.Reset(50, 30);
  EXPECT_FALSE(preview.Dragging());
  EXPECT_EQ(preview.JobLeft(), 12);
  EXPECT_EQ(preview.JobBottom(), 253);
  EXPECT_DOUBLE_EQ(preview.EngraveStartX(), 7);
  EXPECT_DOUBLE_EQ(preview.EngraveStartY(), 7);
}

}  // namespace
}  // namespace pistora
