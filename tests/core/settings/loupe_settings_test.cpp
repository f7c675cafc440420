#include "core/settings/loupe_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/text/line_file.h"

namespace pistora {
namespace {

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("pistora_loupe_") + name)).string();
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(LoupeGeometry, ZoomAndHalfSideFollowTheSlider) {
  struct Row {
    int position;
    int half_side;
    const char* zoom;
  };
  for (const Row& row : {Row{1, 50, "100"}, Row{3, 48, "104"}, Row{25, 26, "192"}, Row{50, 1, "5000"}}) {
    SCOPED_TRACE(row.position);
    EXPECT_EQ(HalfSide(row.position), row.half_side);
    EXPECT_EQ(ZoomPercentText(row.position), row.zoom);
  }
  EXPECT_EQ(ZoomPercent(51), 0);  // outside the slider: no division by zero
}

TEST(LoupeGeometry, PictureOriginAndSourceSquare) {
  EXPECT_EQ(PictureOrigin(0, 0), (LoupePoint{55, 27}));
  EXPECT_EQ(PictureOrigin(-55, -27), (LoupePoint{0, 0}));
  EXPECT_EQ(PictureOrigin(1000, -1000), (LoupePoint{1055, -973}));

  const LoupePoint client = ClientPointFromScreen(500, 400, 103, 80);
  EXPECT_EQ(client, (LoupePoint{397, 320}));
  EXPECT_EQ(SourceSquare(client, HalfSide(1)), (LoupeSquare{347, 270, 100, 100}));
  EXPECT_EQ(SourceSquare({0, 0}, HalfSide(50)), (LoupeSquare{-1, -1, 2, 2}));
}

TEST(LoupeSettingsFile, RoundTripsInLatin1CrLf) {
  const std::string path = TempPath("roundtrip.dat");
  const LoupeSettings saved{.SliderPosition = 3, .ZoomText = "104", .OffsetX = -55, .OffsetY = 1000};
  ASSERT_TRUE(SaveLoupeSettings(path, saved));
  EXPECT_EQ(Slurp(path), "3\r\n104\r\n-55\r\n1000\r\n");
  LoupeSettings loaded;
  ASSERT_TRUE(LoadLoupeSettings(path, &loaded));
  EXPECT_EQ(loaded, saved);
  std::filesystem::remove(path);
}

TEST(LoupeSettingsFile, BadLineIsNamedAndStopsTheReading) {
  struct Row {
    const char* name;
    std::vector<std::string> lines;
    const char* line_in_message;
    LoupeSettings expected;  // starting from {7, "x", 9, 9}
  };
  const Row rows[] = {
      {"not a number", {"abc", "100", "0", "0"}, "ligne 1", {7, "x", 9, 9}},
      {"slider too high", {"51", "100", "0", "0"}, "ligne 1", {7, "x", 9, 9}},
      {"slider zero", {"0", "100", "0", "0"}, "ligne 1", {7, "x", 9, 9}},
      {"offset X malformed", {"10", "200", "1.5", "0"}, "ligne 3", {10, "200", 9, 9}},
      {"offset Y too low", {"10", "200", "-3", "-1001"}, "ligne 4", {10, "200", -3, 9}},
      {"offset Y missing", {"10", "200", "-3"}, "ligne 4", {10, "200", -3, 9}},
      {"empty file", {}, "ligne 1", {7, "x", 9, 9}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LoupeSettings settings{7, "x", 9, 9};
    const Status status = LoupeSettingsFromLines(row.lines, &settings);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find(row.line_in_message), std::string::npos) << status.message();
    EXPECT_EQ(settings, row.expected);
  }
}

TEST(LoupeSettingsFile, MissingFileAndFailedSaveKeepWhatWasThere) {
  LoupeSettings settings{.SliderPosition = 4};
  EXPECT_FALSE(LoadLoupeSettings(TempPath("absent.dat"), &settings).ok());
  EXPECT_EQ(settings.SliderPosition, 4);

  const std::string path = TempPath("keep.dat");
  ASSERT_TRUE(SaveLoupeSettings(path, LoupeSettings{}));
  SetWriteFaultPlanForTesting({.fail_after_bytes = 3});
  EXPECT_FALSE(SaveLoupeSettings(path, LoupeSettings{.SliderPosition = 50}).ok());
  SetWriteFaultPlanForTesting({});
  EXPECT_EQ(Slurp(path), "1\r\n100\r\n0\r\n0\r\n");
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace pistora
