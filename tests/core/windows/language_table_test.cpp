#include "core/windows/language_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <tuple>

#include "core/settings/language_file.h"
#include "core/text/line_file.h"

namespace pistora {
namespace {

std::string LngPath(const char* name) { return std::string(PISTORA_LNG_DIR) + "/" + name; }

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(LanguageTable, EveryCaptionLineHasTargetsAndNoControlIsCaptionedTwice) {
  std::set<std::tuple<std::string_view, CaptionTargetKind, std::string_view>> seen;
  for (int line = 2; line <= kLanguageFileLineCount; ++line) {
    SCOPED_TRACE(line);
    const auto targets = CaptionTargetsOfLine(line);
    ASSERT_FALSE(targets.empty());
    for (const CaptionTarget& t : targets) {
      EXPECT_EQ(t.line, line);
      EXPECT_EQ(t.object_name.empty(), t.kind == CaptionTargetKind::kWindowTitle);
      EXPECT_TRUE(seen.insert({t.window_class, t.kind, t.object_name}).second)
          << t.window_class << "." << t.object_name;
    }
  }
  EXPECT_TRUE(CaptionTargetsOfLine(1).empty());
  EXPECT_TRUE(CaptionTargetsOfLine(181).empty());
  EXPECT_EQ(seen.size(), AllCaptionTargets().size());
}

TEST(LanguageTable, LinesThatCaptionSeveralControlsOrSpecialTargets) {
  struct Row {
    int line;
    std::size_t count;
    CaptionTargetKind kind;
    const char* window;
  };
  const Row rows[] = {
      {21, 3, CaptionTargetKind::kControlText, "TForm1"},       // mm
      {59, 1, CaptionTargetKind::kWindowTitle, "TForm2"},
      {60, 1, CaptionTargetKind::kWindowTitle, "Tgravefrm"},
      {79, 1, CaptionTargetKind::kModeName, "Tgravefrm"},
      {80, 1, CaptionTargetKind::kModeName, "Tgravefrm"},
      {93, 5, CaptionTargetKind::kControlText, "Tgravefrm"},    // mm
      {98, 6, CaptionTargetKind::kControlText, "Tgravefrm"},    // Raz / RAZ in three windows
      {99, 3, CaptionTargetKind::kControlText, "Tgravefrm"},    // STOP discs
      {100, 1, CaptionTargetKind::kMenuEntry, "Tgravefrm"},
      {104, 1, CaptionTargetKind::kMenuEntry, "Tgravefrm"},
      {113, 12, CaptionTargetKind::kControlText, "TPagesDlg"},  // Inversé
      {125, 1, CaptionTargetKind::kWindowTitle, "TPagesDlg"},
      {126, 1, CaptionTargetKind::kPageTitle, "TPagesDlg"},
      {129, 1, CaptionTargetKind::kPageTitle, "TPagesDlg"},
      {134, 3, CaptionTargetKind::kControlText, "TPagesDlg"},
      {138, 2, CaptionTargetKind::kControlText, "TPagesDlg"},
      {142, 2, CaptionTargetKind::kControlText, "TPagesDlg"},
      {144, 15, CaptionTargetKind::kControlText, "TPagesDlg"},
      {149, 2, CaptionTargetKind::kControlText, "TPagesDlg"},
      {150, 2, CaptionTargetKind::kControlText, "TPagesDlg"},
      {165, 1, CaptionTargetKind::kWindowTitle, "Tgestfrm"},
      {179, 1, CaptionTargetKind::kFirstListItem, "TPagesDlg"},
      {180, 12, CaptionTargetKind::kFirstListItem, "TPagesDlg"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    const auto targets = CaptionTargetsOfLine(row.line);
    ASSERT_EQ(targets.size(), row.count);
    EXPECT_EQ(targets.front().kind, row.kind);
    EXPECT_EQ(targets.front().window_class, row.window);
  }
  // Shared lines reach other windows too.
  std::set<std::string_view> windows;
  for (const CaptionTarget& t : CaptionTargetsOfLine(98)) windows.insert(t.window_class);
  EXPECT_EQ(windows, (std::set<std::string_view>{"Tgravefrm", "TPagesDlg", "Tgestfrm"}));
  EXPECT_EQ(CaptionTargetsOfLine(71).back().window_class, "TPagesDlg");
}

TEST(LanguageTable, BuiltInFrenchCaptions) {
  EXPECT_EQ(BuiltInFrenchCaption(1), "Français");
  EXPECT_EQ(BuiltInFrenchCaption(2), "Typon d'origine");
  EXPECT_EQ(BuiltInFrenchCaption(47), "Distance réelle en mm :   ");
  EXPECT_EQ(BuiltInFrenchCaption(50), "&Fermer");
  EXPECT_EQ(BuiltInFrenchCaption(59), "A propos de ....");
  EXPECT_EQ(BuiltInFrenchCaption(79), "Gravure");
  EXPECT_EQ(BuiltInFrenchCaption(80), "Perçage");
  EXPECT_EQ(BuiltInFrenchCaption(178), "Sauve les paramètres");
  EXPECT_EQ(BuiltInFrenchCaption(180), "Non utilisé");
  EXPECT_EQ(CaptionTargetsOfLine(180).back().built_in, "Non utilisée");
  EXPECT_EQ(BuiltInFrenchCaption(0), "");
  EXPECT_EQ(BuiltInFrenchCaption(181), "");
}

// The shipped files: 180 lines of Latin-1 ended by CR LF.
class ShippedLanguageFile : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedLanguageFile, Has180CrLfLinesInLatin1) {
  const std::string bytes = Slurp(LngPath(GetParam()));
  ASSERT_FALSE(bytes.empty());
  int line_ends = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at byte " << i;
      ++line_ends;
    } else if (bytes[i] == '\r') {
      ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at byte " << i;
    }
  }
  EXPECT_EQ(line_ends, kLanguageFileLineCount);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  // Latin-1, not UTF-8: no accented letter is written as a two-byte sequence.
  EXPECT_EQ(bytes.find("\xC3"), std::string::npos);

  LanguageText text;
  ASSERT_TRUE(LoadLanguageFile(LngPath(GetParam()), &text));
  for (int line = 2; line <= kLanguageFileLineCount; ++line) {
    EXPECT_NE(text.lines[static_cast<std::size_t>(line)].find('#'), std::string::npos) << line;
    EXPECT_FALSE(text.Caption(line).empty()) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLanguageFile, ::testing::Values("fr.lng", "en.lng"));

TEST(ShippedLanguageFiles, FrenchFileHoldsTheBuiltInCaptions) {
  LanguageText text;
  ASSERT_TRUE(LoadLanguageFile(LngPath("fr.lng"), &text));
  EXPECT_EQ(text.Name(), "Français");
  for (int line = 2; line <= kLanguageFileLineCount; ++line) {
    EXPECT_EQ(text.Caption(line), BuiltInFrenchCaption(line)) << line;
  }
}

TEST(ShippedLanguageFiles, EveryTargetReceivesItsLineCaption) {
  LanguageText english;
  ASSERT_TRUE(LoadLanguageFile(LngPath("en.lng"), &english));
  std::size_t calls = 0;
  int previous_line = 0;
  std::string stop_caption_in_dialog;
  ForEachCaption(english, [&](const CaptionTarget& target, const std::string& caption) {
    ++calls;
    EXPECT_GE(target.line, previous_line);
    previous_line = target.line;
    EXPECT_EQ(caption, english.Caption(target.line));
    if (target.window_class == "TPagesDlg" && target.object_name == "Label38") stop_caption_in_dialog = caption;
  });
  EXPECT_EQ(calls, AllCaptionTargets().size());
  EXPECT_EQ(stop_caption_in_dialog, "STOP");
}

TEST(ShippedLanguageFiles, EnglishFileTranslatesEveryLine) {
  LanguageText english;
  LanguageText french;
  ASSERT_TRUE(LoadLanguageFile(LngPath("en.lng"), &english));
  ASSERT_TRUE(LoadLanguageFile(LngPath("fr.lng"), &french));
  EXPECT_EQ(english.Name(), "English");
  EXPECT_EQ(english.Caption(50), "&Close");
  EXPECT_EQ(english.Caption(79), "Engraving");
  EXPECT_EQ(english.Caption(80), "Drilling");
  // The free text before "#" names the same controls in both files, so the lines are in step.
  for (int line = 2; line <= kLanguageFileLineCount; ++line) {
    const std::string& en = english.lines[static_cast<std::size_t>(line)];
    const std::string& fr = french.lines[static_cast<std::size_t>(line)];
    EXPECT_EQ(en.substr(0, en.find('#')), fr.substr(0, fr.find('#'))) << line;
  }
}

}  // namespace
}  // namespace pistora
