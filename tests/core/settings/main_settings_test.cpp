#include "core/settings/main_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pistora {
namespace {

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("pistora_settings_") + name)).string();
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(MainSettings, SavesTheSevenLinesInLatin1WithCrLf) {
  const std::string path = TempPath("save.txt");
  MainSettings s;
  s.EngravingDepth = "0.3";
  ASSERT_TRUE(SaveMainSettings(path, s));
  EXPECT_EQ(Slurp(path), std::string("0.3\r\n1.7\r\n1.5\r\n350\r\n100\r\nTRUE\r\nfr.lng ( Fran\xE7" "ais )\r\n"));
  MainSettings back;
  back.EngravingDepth = "other";
  ASSERT_TRUE(LoadMainSettings(path, &back));
  EXPECT_EQ(back, s);
  std::filesystem::remove(path);
}

TEST(MainSettings, OnlyExactTrueChecksTheSpindleBox) {
  for (const char* text : {"true", "True", "", "TRUE "}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(MainSettingsFromLines({"a", "b", "c", "d", "e", text, "g"}).SpindleControl);
  }
  EXPECT_TRUE(MainSettingsFromLines({"a", "b", "c", "d", "e", "TRUE", "g"}).SpindleControl);
}

TEST(MainSettings, ShortFileReadsMissingLinesAsEmpty) {
  MainSettings s = MainSettingsFromLines({"0.1", "2"});
  EXPECT_EQ(s.EngravingDepth, "0.1");
  EXPECT_EQ(s.DrillingDepth, "2");
  EXPECT_EQ(s.RetractDistance, "");
  EXPECT_FALSE(s.SpindleControl);
  EXPECT_EQ(s.Language, "");
}

TEST(MainSettings, MissingFileKeepsTheDefaults) {
  MainSettings s;
  Status status = LoadMainSettings(TempPath("does-not-exist.txt"), &s);
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.message().empty());
  EXPECT_EQ(s, MainSettings{});
}

TEST(MainSettings, ValuesAreKeptExactlyAsTyped) {
  MainSettings s = MainSettingsFromLines({"0,25", " 1.7", "abc", "350", "100", "FALSE", "xx.lng ( X )"});
  EXPECT_EQ(s.EngravingDepth, "0,25");
  EXPECT_EQ(s.DrillingDepth, " 1.7");
  EXPECT_EQ(s.RetractDistance, "abc");
  EXPECT_EQ(MainSettingsLines(s)[0], "0,25");
}

}  // namespace
}  // namespace pistora
