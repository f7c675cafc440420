#include "core/settings/language_file.h"

#include <gtest/gtest.h>

namespace pistora {
namespace {

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
