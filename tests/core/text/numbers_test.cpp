#include "core/text/numbers.h"

#include <gtest/gtest.h>

namespace pistora {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  struct Row { double in; double out; } rows[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, -0}, {-2.5, -2}, {0.53, 1}, {0.40, 0}, {3001.2, 3001}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.in);
    EXPECT_EQ(RoundHalfEven(r.in), r.out);
  }
}

TEST(FormatFixed, RoundsTheExactBinaryValueWithHalvesToEven) {
  EXPECT_EQ(FormatFixed(0.0625, 3), "0.062");   // exact half, even neighbour below
  EXPECT_EQ(FormatFixed(0.1875, 3), "0.188");   // exact half, even neighbour above
  EXPECT_EQ(FormatFixed(1333 / 133.3333, 3), "9.998");
  EXPECT_EQ(FormatFixed(0.0254, 3), "0.025");
  EXPECT_EQ(FormatFixed(12.7, 3), "12.700");
  EXPECT_EQ(FormatFixed(-0.0001, 3), "0.000");  // no "-0.000"
  EXPECT_EQ(FormatFixed(-1.5, 3), "-1.500");
  EXPECT_EQ(FormatFixed(100.0, 4), "100.0000");
}

TEST(FormatGeneral, ShortestFormUpTo15Digits) {
  EXPECT_EQ(FormatGeneral(4 * 2.54), "10.16");
  EXPECT_EQ(FormatGeneral(2.54), "2.54");
  EXPECT_EQ(FormatGeneral(2.54, ','), "2,54");
  EXPECT_EQ(FormatGeneral(127.0), "127");
  EXPECT_EQ(FormatGeneral(133.3333), "133.3333");
}

TEST(FormatScientific23, EngravingFileForm) {
  EXPECT_EQ(FormatScientific23(0.0254), " 2.54000000000000E-0002");
  EXPECT_EQ(FormatScientific23(0.0), " 0.00000000000000E+0000");
  EXPECT_EQ(FormatScientific23(-123.5), "-1.23500000000000E+0002");
  EXPECT_EQ(FormatScientific23(0.0254).size(), 23u);
}

TEST(ParseDecimal, StrictWholeText) {
  EXPECT_DOUBLE_EQ(*ParseDecimal("2.54"), 2.54);
  EXPECT_DOUBLE_EQ(*ParseDecimal(" 2.54000000000000E-0002"), 0.0254);
  EXPECT_DOUBLE_EQ(*ParseDecimal("-30"), -30.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal("200"), 200.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal(".5"), 0.5);
  EXPECT_DOUBLE_EQ(*ParseDecimal("2,5", ','), 2.5);
  for (const char* bad : {"", " ", "2,54", "1.2.3", "abc", "1e", "--1", "1x", "-", "."}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseDecimal(bad).has_value());
  }
  EXPECT_FALSE(ParseDecimal("1e999").has_value());
}

TEST(ParseInt32, StrictAndInRange) {
  EXPECT_EQ(*ParseInt32("150"), 150);
  EXPECT_EQ(*ParseInt32("-7"), -7);
  EXPECT_EQ(*ParseInt32("2147483647"), 2147483647);
  EXPECT_EQ(*ParseInt32("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", "150.5", "1e3", "2147483648", "0x10", "12a", "+", "99999999999999999999"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseInt32(bad).has_value());
  }
}

}  // namespace
}  // namespace pistora
