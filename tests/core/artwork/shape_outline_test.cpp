#include "core/artwork/shape_outline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pistora {
namespace {

// A picture from rows of characters: 'r' pure red, '.' white, 'k' black, 'o' almost red.
Bitmap Picture(const std::vector<std::string>& rows) {
  Bitmap picture(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
  for (int row = 0; row < picture.Height(); ++row) {
    for (int x = 0; x < picture.Width(); ++x) {
      const char c = rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(x)];
      picture.Set(x, row, c == 'r' ? kRed : c == 'k' ? kBlack : c == 'o' ? Rgb{254, 0, 0} : kWhite);
    }
  }
  return picture;
}

TEST(ShapeOutline, EachRunOfNonRedPixelsIsOneRectangle) {
  const Bitmap picture = Picture({
      "rr..r",
      "k.ork",
      "rrrrr",
      ".rr.r",
  });
  const std::vector<OutlineRect> expected = {
      {2, 0, 4, 1},                // row 0: x 2..3
      {0, 1, 3, 2}, {4, 1, 5, 2},  // row 1: black, white and almost-red are inside; run to the last pixel
      {0, 3, 1, 4}, {3, 3, 4, 4},  // row 3
  };
  EXPECT_EQ(ShapeOutline(picture), expected);
}

TEST(ShapeOutline, PictureWithoutInsideGivesNoOutline) {
  EXPECT_TRUE(ShapeOutline(Picture({"rrr", "rrr"})).empty());
  EXPECT_TRUE(ShapeOutline(Bitmap()).empty());
  EXPECT_EQ(ShapeOutline(Picture({"...", "..."})), (std::vector<OutlineRect>{{0, 0, 3, 1}, {0, 1, 3, 2}}));
}

}  // namespace
}  // namespace pistora
