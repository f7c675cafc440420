#include "core/settings/main_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/text/line_file.h"

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

TEST(MainSettings, JobValuesMustBeNumbersInRangeBeforeTheyReachAProgram) {
  // A value that is no plain number in range would go into every program as it stands
  // ("G00 Z-0.25 X300 Y300" plunges as a rapid): it is reported and the built-in value used.
  std::string MainSettings::*const fields[] = {&MainSettings::EngravingDepth, &MainSettings::DrillingDepth,
                                               &MainSettings::RetractDistance, &MainSettings::EngravingFeed,
                                               &MainSettings::DrillingFeed};
  struct Row {
    std::size_t line;  // 0-based
    const char* text;
    const char* loaded;
    bool reported;
  } rows[] = {
      {0, "0.25 X300 Y300", "0.25", true}, {0, "0,3", "0.3", false},  {0, "10", "10", false},
      {0, "10.01", "0.25", true},          {1, "-1.7", "1.7", true},  {1, "", "1.7", true},
      {2, "0", "1.5", true},               {2, "100", "100", false},  {3, "1e3", "350", true},
      {3, "10000", "10000", false},        {4, "10001", "100", true}, {4, "80.5", "100", true},
  };
  const std::string path = TempPath("values.txt");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    std::vector<std::string> lines = MainSettingsLines(MainSettings{});
    lines[row.line] = row.text;
    ASSERT_TRUE(WriteLatin1LinesAtomically(path, lines));
    MainSettings s;
    std::vector<std::string> problems;
    ASSERT_TRUE(LoadMainSettings(path, &s, &problems));
    EXPECT_EQ(s.*fields[row.line], row.loaded);
    ASSERT_EQ(problems.size(), row.reported ? 1u : 0u);
    if (row.reported) {
      EXPECT_NE(problems[0].find("ligne " + std::to_string(row.line + 1)), std::string::npos) << problems[0];
      EXPECT_NE(problems[0].find(std::string("« ") + row.text + " »"), std::string::npos) << problems[0];
      EXPECT_NE(problems[0].find("values.txt"), std::string::npos) << problems[0];
    }
  }
}

}  // namespace
}  // namespace pistora
