#include "core/artwork/path_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace pistora {
namespace {

TEST(PathText, DecodesTheEightCodesAndNothingElse) {
  struct Row { const char* code; int dx; int dy; } rows[] = {
      {"+*", 1, 0}, {"++", 1, 1}, {"*+", 0, 1}, {"-+", -1, 1},
      {"-*", -1, 0}, {"--", -1, -1}, {"*-", 0, -1}, {"+-", 1, -1}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.code);
    auto step = DecodeStep(r.code[0], r.code[1]);
    ASSERT_TRUE(step.has_value());
    EXPECT_EQ(step->dx, r.dx);
    EXPECT_EQ(step->dy, r.dy);
    EXPECT_EQ(StepCodeBetween(10, 10, 10 + 5 * r.dx, 10 + 3 * r.dy), r.code);
  }
  for (const char* bad : {"**", "NO", "CL", "+C", " P"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(DecodeStep(bad[0], bad[1]).has_value());
  }
  EXPECT_EQ(StepCodeBetween(3, 4, 3, 4), "");
}

TEST(PathText, WalksCodesUpToTheTail) {
  const std::string text = "(1;2)+*+**+*+-*-**-*-CLOSED Points : 8Fin(1,2)";
  ASSERT_EQ(ParsePathStart(text), (PathPoint{1, 2}));
  int x = 1, y = 2, steps = 0;
  ForEachStep(text, [&](Step s) {
    x += s.dx;
    y += s.dy;
    ++steps;
    return true;
  });
  EXPECT_EQ(steps, 8);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 2);
  // "NOTCLOSED" ends the walk at "NO"; a thickened tail's "+-" is one more step.
  steps = 0;
  ForEachStep("(0;0)+*+*NOTCLOSED", [&](Step) { return ++steps, true; });
  EXPECT_EQ(steps, 2);
  steps = 0;
  ForEachStep("(0;0)*++-CLOSED Points : 1Fin(0;0)", [&](Step) { return ++steps, true; });
  EXPECT_EQ(steps, 2);
}

TEST(PathText, MalformedStartIsRefused) {
  for (const char* bad : {"", "(", "(1;x)", "(1 2)", "1;2", "(;)", "(1)2;"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParsePathStart(bad).has_value());
  }
  EXPECT_EQ(ParsePathStart("(-3;40)"), (PathPoint{-3, 40}));
}

}  // namespace
}  // namespace pistora
