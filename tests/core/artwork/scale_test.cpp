#include "core/artwork/scale.h"

#include <gtest/gtest.h>

namespace pistora {
namespace {

TEST(Scale, PixelSizeFromTheTwoTexts) {
  struct Row {
    const char* name;
    const char* pixels;
    const char* real;
    char regional;
    std::optional<double> expected;
  } rows[] = {
      {"hundred pixels for one pitch", "100.0000", "2.54", '.', 0.0254},
      {"padded measure", "  3.0000", "1.5", '.', 0.5},
      {"nothing measured", "", "2.54", '.', std::nullopt},
      {"zero distance", "0.0000", "2.54", '.', std::nullopt},
      {"real distance typed with a comma", "10.0000", "2,5", ',', 0.25},
      {"comma not accepted without that region", "10.0000", "2,5", '.', std::nullopt},
      {"real distance not a number", "10.0000", "abc", '.', std::nullopt},
      {"pixel distance with a comma", "10,0000", "2.54", ',', std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const std::optional<double> got = PixelSizeFromTexts(r.pixels, r.real, r.regional);
    ASSERT_EQ(got.has_value(), r.expected.has_value());
    if (got) { EXPECT_DOUBLE_EQ(*got, *r.expected); }
  }
}

TEST(Scale, TextsShownToTheUser) {
  EXPECT_EQ(PixelSizeText(0.0254), "0.025");
  EXPECT_EQ(PixelSizeText(0.0), "0.000");
  EXPECT_EQ(PixelSizeText(12.3456), "12.346");
  EXPECT_EQ(MeasuredDistanceText({0, 0}, {100, 0}), "100.0000");
  EXPECT_EQ(MeasuredDistanceText({5, 5}, {5, 5}), "0.0000");
  EXPECT_EQ(MeasuredDistanceText({0, 0}, {3, 4}), "5.0000");
  EXPECT_EQ(MeasuredDistanceText({0, 0}, {1, 1}), "1.4142");
  EXPECT_EQ(PitchLengthText(1), "2.54");
  EXPECT_EQ(PitchLengthText(4), "10.16");
  EXPECT_EQ(PitchLengthText(3), "7.62");
  EXPECT_EQ(PitchLengthText(50), "127");
}

int CountColour(const Bitmap& b, Rgb c) {
  int n = 0;
  for (int row = 0; row < b.Height(); ++row)
    for (int x = 0; x < b.Width(); ++x) n += b.Is(x, row, c);
  return n;
}

TEST(Scale, XorLineCoversTheLineOnceAndUndoesItself) {
  struct Row {
    const char* name;
    PixelPoint from, to;
    int pixels;
  } rows[] = {
      {"horizontal", {1, 2}, {8, 2}, 8},
      {"vertical upwards", {3, 9}, {3, 0}, 10},
      {"diagonal", {0, 0}, {9, 9}, 10},
      {"steep backwards", {7, 9}, {5, 1}, 9},
      {"single point", {4, 4}, {4, 4}, 1},
      {"leaves the bitmap", {5, 5}, {15, 5}, 5},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Bitmap b(10, 10, kWhite);
    const Bitmap original = b;
    XorLine(b, r.from, r.to, kRed);
    // White xor red is cyan: every line pixel changed exactly once.
    EXPECT_EQ(CountColour(b, Rgb{0, 255, 255}), r.pixels);
    if (b.Contains(r.from.x, r.from.row)) {
      EXPECT_FALSE(b.Is(r.from.x, r.from.row, kWhite));
    }
    if (b.Contains(r.to.x, r.to.row)) {
      EXPECT_FALSE(b.Is(r.to.x, r.to.row, kWhite));
    }
    XorLine(b, r.from, r.to, kRed);
    EXPECT_EQ(b, original);
  }
  Bitmap black(3, 1, kBlack);
  XorLine(black, {0, 0}, {2, 0}, kRed);
  EXPECT_EQ(CountColour(black, kRed), 3);
}

TEST(Scale, MeasuringLeavesOnlyTheLastLine) {
  Bitmap b(40, 30, kWhite);
  const Bitmap blank = b;
  MeasuringLine line;
  line.Press(b, {2, 3});
  EXPECT_EQ(b, blank);
  line.Move(b, {10, 3});  // first move: draws without erasing anything
  line.Move(b, {20, 3});  // erases 2..10, draws 2..20
  Bitmap expected = blank;
  XorLine(expected, {2, 3}, {20, 3}, kRed);
  EXPECT_EQ(b, expected);
  EXPECT_EQ(line.Release({20, 3}), "18.0000");

  // A second measurement erases the first line before drawing its own.
  line.Press(b, {0, 0});
  EXPECT_EQ(b, blank);
  line.Move(b, {0, 25});
  expected = blank;
  XorLine(expected, {0, 0}, {0, 25}, kRed);
  EXPECT_EQ(b, expected);
  EXPECT_EQ(line.Release({0, 25}), "25.0000");

  // A press and release without moving draws nothing, and the next press erases nothing.
  line.Press(b, {5, 5});
  EXPECT_EQ(b, blank);
  EXPECT_EQ(line.Release({5, 5}), "0.0000");
  line.Press(b, {6, 6});
  EXPECT_EQ(b, blank);
}

}  // namespace
}  // namespace pistora
