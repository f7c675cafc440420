// Inputs of extreme size: each is refused with a message that says what is wrong, or is read
// within bounded memory and time.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <string>

#include "core/job/engraving_file.h"
#include "core/machine/iso_program.h"
#include "core/settings/language_file.h"
#include "core/text/line_file.h"
#include "support/temp_folder.h"

namespace pistora {
namespace {

using testing::TempFolderTest;

// The head of an engraving file: pixel size, height, width, contour count.
std::vector<std::string> GrvHead(const std::string& count) {
  return {" 2.54000000000000E-0002", "10", "10", count};
}

// One record of 16 lines.
void AddRecord(std::vector<std::string>* lines) {
  for (const char* l : {"", "1", "1", "1", "1", "0", "FALSE", "FALSE", "0", "0", "0", "0", "0", "0", "0", "FALSE"}) {
    lines->push_back(l);
  }
}

class SizeLimit : public TempFolderTest {};

TEST_F(SizeLimit, AnEngravingFileClaimingTwoToTheThirtyOneContoursIsRefused) {
  for (const std::string count : {"2147483648", "2147483647", "99999999999999999999"}) {
    SCOPED_TRACE(count);
    std::vector<std::string> lines = GrvHead(count);
    AddRecord(&lines);
    AddRecord(&lines);
    EngravingFile file;
    file.Width = 77;
    const auto start = std::chrono::steady_clock::now();
    const Status status = ParseEngravingFile(lines, &file);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find("ligne 4"), std::string::npos) << status.message();
    EXPECT_EQ(file.Width, 77) << "a refused file leaves the target alone";
    EXPECT_TRUE(file.Table.items.empty());
    // Refused before anything is allocated for the announced records.
    EXPECT_LT(elapsed, std::chrono::seconds(1));
  }
  // The same file with its true count reads.
  std::vector<std::string> lines = GrvHead("1");
  AddRecord(&lines);
  AddRecord(&lines);
  EngravingFile file;
  ASSERT_TRUE(ParseEngravingFile(lines, &file).ok());
  EXPECT_EQ(file.Table.ContourCount(), 1);
}

TEST_F(SizeLimit, AProgramLineOfOneMegabyteIsReadAndNothingMoves) {
  const std::size_t mb = 1024 * 1024;
  // A line of a million digits, one of a million blanks between the words, and one without
  // any line end at all.
  const std::string digits = "G01 X" + std::string(mb, '7');
  const std::string blanks = "G01 X1" + std::string(mb, ' ') + "Y2";
  const std::string letters(mb, 'X');
  Write(PathOf("long.iso"), "%\r\n" + digits + "\r\n" + blanks + "\r\n" + letters);
  std::vector<std::string> lines;
  ASSERT_TRUE(LoadIsoProgram(PathOf("long.iso"), &lines).ok());
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1].size(), digits.size());

  const AxisWords words = ParseAxisWords(lines[2], {});
  EXPECT_TRUE(words.ok());
  EXPECT_EQ(words.target.x, 1);
  EXPECT_EQ(words.target.y, 2);

  // The million-digit number is no coordinate a machine can reach: either it does not convert
  // (the program is refused, naming the line) or it is not a finite number, which a move refuses.
  const AxisWords huge = ParseAxisWords(lines[1], {});
  if (huge.ok()) {
    EXPECT_FALSE(std::isfinite(huge.target.x));
  } else {
    const Status check = CheckIsoProgram(lines);
    EXPECT_FALSE(check.ok());
    EXPECT_NE(check.message().find('2'), std::string::npos) << check.message();
  }
  NullHost host;
  const std::atomic<bool> stop{false};
  long shown = 0;
  const IsoAnalysis analysis = AnalyseIsoProgram(lines, {}, 400, host, stop,
                                                 [&shown](long, long, const std::string&) { ++shown; });
  EXPECT_GE(analysis.extent_x, 0);
  EXPECT_GE(analysis.estimated_seconds, 0);
  EXPECT_GT(shown, 0);
}

TEST_F(SizeLimit, ALanguageFileOfAMillionLinesKeepsItsFirstLinesOnly) {
  std::string bytes = "Big\r\n";
  for (int i = 2; i <= 1000000; ++i) bytes += "Caption#Text " + std::to_string(i) + "\r\n";
  ASSERT_GT(bytes.size(), kLanguageFileReadLimit);
  Write(PathOf("big.lng"), bytes);

  LanguageText text;
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(LoadLanguageFile(PathOf("big.lng"), &text).ok());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(text.Name(), "Big");
  EXPECT_EQ(text.Caption(2), "Text 2");
  EXPECT_EQ(text.Caption(kLanguageFileLineCount), "Text " + std::to_string(kLanguageFileLineCount));

  const LanguageListing listing = ListLanguageFiles(folder_.path().string());
  ASSERT_TRUE(listing.status.ok()) << listing.status.message();
  EXPECT_EQ(listing.entries, std::vector<std::string>{"big.lng ( Big )"});
}

TEST_F(SizeLimit, ALanguageFileOfOneEndlessLineReadsAsEmpty) {
  Write(PathOf("one.lng"), std::string(3 * kLanguageFileReadLimit, 'a'));
  LanguageText text;
  text.lines[1] = "before";
  ASSERT_TRUE(LoadLanguageFile(PathOf("one.lng"), &text).ok());
  EXPECT_EQ(text.Name(), "");
}

TEST_F(SizeLimit, AFileBeyondTheTextLimitIsRefusedWithItsSize) {
  // The general rule of every text reader, with a lower limit so the test stays small.
  Write(PathOf("big.iso"), std::string(5000, 'G'));
  std::vector<std::string> lines = {"kept"};
  const Status status = ReadLatin1Lines(PathOf("big.iso"), &lines, 4096);
  EXPECT_FALSE(status.ok());
  // The real limit, not a count of megabytes rounded down to 0.
  EXPECT_NE(status.message().find("trop grand (plus de 4 Ko)"), std::string::npos) << status.message();
  EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace pistora
