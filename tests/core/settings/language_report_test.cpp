#include "core/settings/language_report.h"

#include <gtest/gtest.h>

#include "core/settings/language_file.h"

namespace pistora {
namespace {

TEST(LanguageReportGate, StandingFaultIsReportedOnceAcrossActivations) {
  LanguageReportGate gate;
  EXPECT_TRUE(gate.ShouldReport("fichier absent", false));
  // Closing the message box re-activates the main window: no second box.
  EXPECT_FALSE(gate.ShouldReport("fichier absent", false));
  EXPECT_FALSE(gate.ShouldReport("fichier absent", false));
  // A different fault is news.
  EXPECT_TRUE(gate.ShouldReport("fichier illisible", false));
  EXPECT_FALSE(gate.ShouldReport("fichier illisible", false));
}

TEST(LanguageReportGate, ChoosingAnEntryAlwaysReportsAndSuccessRearms) {
  LanguageReportGate gate;
  EXPECT_TRUE(gate.ShouldReport("absent", false));
  EXPECT_TRUE(gate.ShouldReport("absent", true));
  EXPECT_FALSE(gate.ShouldReport("absent", false));
  gate.Succeeded();
  EXPECT_TRUE(gate.ShouldReport("absent", false));
}

TEST(ModeNames, LinesSeventyNineAndEightyNameTheModes) {
  LanguageText text;
  ModeNames none = ModeNamesOf(text);
  EXPECT_EQ(none.Of(false), "");
  EXPECT_EQ(none.Of(true), "");
  text.lines[79] = "mode 1#Engraving";
  text.lines[80] = "Drilling";  // no "#": the whole line
  const ModeNames names = ModeNamesOf(text);
  EXPECT_EQ(names.Of(false), "Engraving");
  EXPECT_EQ(names.Of(true), "Drilling");
}

}  // namespace
}  // namespace pistora
