#include "core/settings/loupe_outline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pistora {
namespace {

// A picture drawn in characters: 'r' pure red (outside), 'k' black, 'w' white, 'n' nearly red.
std::vector<std::uint32_t> Picture(const std::vector<std::string>& rows) {
  std::vector<std::uint32_t> pixels;
  for (const std::string& row : rows) {
    for (char c : row) {
      switch (c) {
        case 'r': pixels.push_back(0xFF0000); break;
        case 'k': pixels.push_back(0x000000); break;
        case 'n': pixels.push_back(0xFE0000); break;
        default: pixels.push_back(0xFFFFFF); break;
      }
    }
  }
  return pixels;
}

TEST(LoupeOutline, RunsOfNonRedPixelsBecomeOneRowRectangles) {
  struct Row {
    const char* name;
    std::vector<std::string> picture;
    std::vector<OutlineRect> outline;
  };
  const Row rows[] = {
      {"all red", {"rrr", "rrr"}, {}},
      {"all inside", {"wk", "kw"}, {{0, 0, 2, 1}, {0, 1, 2, 1}}},
      {"two runs in a row", {"wrkkr"}, {{0, 0, 1, 1}, {2, 0, 2, 1}}},
      {"run reaching the last pixel", {"rrww", "rwrw"}, {{2, 0, 2, 1}, {1, 1, 1, 1}, {3, 1, 1, 1}}},
      {"nearly red is inside", {"rnr"}, {{1, 0, 1, 1}}},
      {"ring", {"rwwr", "wrrw", "rwwr"}, {{1, 0, 2, 1}, {0, 1, 1, 1}, {3, 1, 1, 1}, {1, 2, 2, 1}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const int width = static_cast<int>(row.picture.front().size());
    const int height = static_cast<int>(row.picture.size());
    EXPECT_EQ(OutlineOfPicture(Picture(row.picture), width, height), row.outline);
  }
}

TEST(LoupeOutline, BlackIsLeftOutOnlyWhenSeeThrough) {
  const std::vector<std::uint32_t> frame = Picture({"rwkkwr", "kkkkkk"});
  EXPECT_EQ(OutlineOfPicture(frame, 6, 2), (std::vector<OutlineRect>{{1, 0, 4, 1}, {0, 1, 6, 1}}));
  EXPECT_EQ(OutlineOfPicture(frame, 6, 2, true), (std::vector<OutlineRect>{{1, 0, 1, 1}, {4, 0, 1, 1}}));
}

TEST(LoupeOutline, AlphaByteIsIgnoredAndShortPixelDataGivesNoOutline) {
  EXPECT_EQ(OutlineOfPicture({0xFFFF0000u, 0xFF00FF00u}, 2, 1), (std::vector<OutlineRect>{{1, 0, 1, 1}}));
  EXPECT_TRUE(OutlineOfPicture({0xFFFFFFu}, 2, 1).empty());
  EXPECT_TRUE(OutlineOfPicture({}, 0, 0).empty());
}

TEST(LoupeDrag, BothWindowsFollowThePointerDisplacement) {
  // Pressed 40 pixels into the window, moved 10 to the right: the window goes 10 to the right.
  EXPECT_EQ(DraggedWindowPosition({200, 100}, {40, 30}, {50, 30}), (LoupePoint{210, 100}));
  EXPECT_EQ(DraggedWindowPosition({200, 100}, {40, 30}, {35, 12}), (LoupePoint{195, 82}));
  EXPECT_EQ(DraggedWindowPosition({0, 0}, {5, 5}, {5, 5}), (LoupePoint{0, 0}));
}

}  // namespace
}  // namespace pistora
