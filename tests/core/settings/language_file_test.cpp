#include "core/settings/language_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <tuple>

#include "support/temp_folder.h"

namespace pistora {
namespace {

namespace fs = std::filesystem;

// A fresh, empty folder per test.
class LanguageFolder : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::string& bytes) {
    testing::TempFolder::Write(temp_.PathOf(name), bytes);
  }
  std::string Folder() const { return folder_.string(); }

  testing::TempFolder temp_{"lng"};
  const fs::path folder_ = temp_.path();
};

TEST(CaptionOfLine, TakesWhatFollowsTheFirstHashUntrimmed) {
  struct Row {
    const char* line;
    const char* caption;
  };
  for (const Row& row : {Row{"TForm1 BitBtn1#&Charger le typon", "&Charger le typon"},
                         Row{"#", ""},
                         Row{"label#", ""},
                         Row{"a#b#c", "b#c"},
                         Row{"Sans dièse", "Sans dièse"},
                         Row{"", ""},
                         Row{"  x  #  Profondeur :  ", "  Profondeur :  "}}) {
    SCOPED_TRACE(row.line);
    EXPECT_EQ(CaptionOfLine(row.line), row.caption);
  }
}

TEST(LanguageEntry, FileNameIsTheTextBeforeTheBlankAndParenthesis) {
  struct Row {
    const char* entry;
    const char* file_name;
  };
  for (const Row& row : {Row{"fr.lng ( Français )", "fr.lng"},
                         Row{"x.lng (  )", "x.lng"},
                         Row{"mon fichier.lng ( A ) (B)", "mon fichier.lng"},
                         Row{"a.lng( X )", "a.ln"},
                         Row{"é( X )", ""},
                         Row{"( X )", ""}}) {
    SCOPED_TRACE(row.entry);
    std::string name = "unchanged";
    ASSERT_TRUE(LanguageFileNameOfEntry(row.entry, &name).ok());
    EXPECT_EQ(name, row.file_name);
  }
  EXPECT_EQ(LanguageEntry("fr.lng", "Français"), "fr.lng ( Français )");
  EXPECT_EQ(LanguageEntry("x.lng", ""), "x.lng (  )");
}

TEST(LanguageEntry, EntryWithoutParenthesisNamesNoFile) {
  std::string name = "unchanged";
  const Status status = LanguageFileNameOfEntry("fr.lng", &name);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("fr.lng"), std::string::npos);
  EXPECT_EQ(name, "unchanged");
}

TEST_F(LanguageFolder, ListsLanguageFilesSortedWithTheirFirstLine) {
  Write("b.lng", "Deutsch\r\nx#y\r\n");
  Write("a.lng", "Fran\xE7" "ais\r\n");
  Write("empty.lng", "");
  Write("UPPER.LNG", "Upper\r\n");
  Write("notes.txt", "not a language\r\n");
  Write("a.lng.bak", "old\r\n");
  fs::create_directory(folder_ / "dir.lng");
  const LanguageListing listing = ListLanguageFiles(Folder());
  EXPECT_TRUE(listing.status.ok()) << listing.status.message();
  EXPECT_EQ(listing.entries, (std::vector<std::string>{"UPPER.LNG ( Upper )", "a.lng ( Français )",
                                                       "b.lng ( Deutsch )", "empty.lng (  )"}));
}

TEST_F(LanguageFolder, UnreadableFileIsReportedAndEndsTheList) {
  Write("a.lng", "A\r\n");
  fs::create_symlink(folder_ / "nowhere", folder_ / "b.lng");  // cannot be opened
  Write("c.lng", "C\r\n");
  const LanguageListing listing = ListLanguageFiles(Folder());
  EXPECT_FALSE(listing.status.ok());
  EXPECT_NE(listing.status.message().find("b.lng"), std::string::npos);
  EXPECT_EQ(listing.entries, std::vector<std::string>{"a.lng ( A )"});
}

TEST_F(LanguageFolder, MissingFolderGivesAnEmptyList) {
  const LanguageListing listing = ListLanguageFiles(Folder() + "/absent");
  EXPECT_TRUE(listing.entries.empty());
}

TEST_F(LanguageFolder, ShortFileLeavesTheMissingLinesEmpty) {
  Write("short.lng", "Court\r\nL#Premier\r\nL#Second");
  LanguageText text;
  ASSERT_TRUE(LoadLanguage(Folder(), "short.lng ( Court )", &text));
  EXPECT_EQ(text.Name(), "Court");
  EXPECT_EQ(text.Caption(2), "Premier");
  EXPECT_EQ(text.Caption(3), "Second");
  for (int line = 4; line <= kLanguageFileLineCount; ++line) EXPECT_EQ(text.Caption(line), "") << line;
}

TEST_F(LanguageFolder, LinesAfter180AreIgnored) {
  std::string bytes;
  for (int line = 1; line <= 200; ++line) bytes += "n#" + std::to_string(line) + "\r\n";
  Write("long.lng", bytes);
  LanguageText text;
  ASSERT_TRUE(LoadLanguage(Folder(), "long.lng ( n#1 )", &text));
  EXPECT_EQ(text.Caption(180), "180");
  EXPECT_EQ(text.Caption(181), "");
  EXPECT_EQ(text.Caption(1), "");  // line 1 is the name, not a caption
  EXPECT_EQ(text.Name(), "n#1");
}

TEST_F(LanguageFolder, FileWithEmptyFirstLineCanBeChosen) {
  Write("anon.lng", "\r\nT#Titre\r\n");
  const LanguageListing listing = ListLanguageFiles(Folder());
  ASSERT_EQ(listing.entries, std::vector<std::string>{"anon.lng (  )"});
  LanguageText text;
  ASSERT_TRUE(LoadLanguage(Folder(), listing.entries.front(), &text));
  EXPECT_EQ(text.Caption(2), "Titre");
}

TEST_F(LanguageFolder, FailedLoadLeavesTheCaptionsAsTheyAre) {
  LanguageText text;
  text.lines[2] = "kept#kept";
  for (const char* entry : {"absent.lng ( X )", "absent.lng", "( X )"}) {
    SCOPED_TRACE(entry);
    EXPECT_FALSE(LoadLanguage(Folder(), entry, &text).ok());
    EXPECT_EQ(text.Caption(2), "kept");
  }
  fs::create_directory(folder_ / "dir.lng");
  EXPECT_FALSE(LoadLanguage(Folder(), "dir.lng ( X )", &text).ok());
}

TEST_F(LanguageFolder, AbsentFrenchFileFallsBackOnTheBuiltInCaptions) {
  LanguageText text;
  ASSERT_TRUE(LoadLanguage(Folder(), "fr.lng ( Français )", &text));
  EXPECT_EQ(text.Name(), "Français");
  EXPECT_EQ(text.Caption(5), "&Charger le typon d'origine");
  EXPECT_EQ(text.Caption(80), "Perçage");
  for (int line = 2; line <= kLanguageFileLineCount; ++line) {
    EXPECT_EQ(text.Caption(line), BuiltInFrenchCaption(line)) << line;
  }
  // A French file that is there is read, whatever it says; other absent files stay faults.
  Write("fr.lng", "Français\r\nx#Autre\r\n");
  ASSERT_TRUE(LoadLanguage(Folder(), "fr.lng ( Français )", &text));
  EXPECT_EQ(text.Caption(2), "Autre");
  EXPECT_EQ(text.Caption(3), "");
  EXPECT_FALSE(LoadLanguage(Folder(), "en.lng ( English )", &text).ok());
}

TEST_F(LanguageFolder, HugeFilesAreReadOnlyAsFarAsNeeded) {
  {
    std::ofstream out(folder_ / "many.lng", std::ios::binary);
    out << "Many\r\n";
    for (int line = 2; line <= 1000000; ++line) out << "x#" << line << "\r\n";
  }
  LanguageText text;
  ASSERT_TRUE(LoadLanguage(Folder(), "many.lng ( Many )", &text));
  EXPECT_EQ(text.Caption(180), "180");

  // One endless line: it is dropped, the lines before it are kept.
  Write("wide.lng", "Wide\r\n" + std::string(3 * kLanguageFileReadLimit, 'w') + "\r\nx#after\r\n");
  ASSERT_TRUE(LoadLanguage(Folder(), "wide.lng ( Wide )", &text));
  EXPECT_EQ(text.Name(), "Wide");
  EXPECT_EQ(text.Caption(2), "");
  EXPECT_EQ(text.Caption(3), "");
  const LanguageListing listing = ListLanguageFiles(Folder());
  EXPECT_EQ(listing.entries, (std::vector<std::string>{"many.lng ( Many )", "wide.lng ( Wide )"}));
}

}  // namespace
}  // namespace pistora
