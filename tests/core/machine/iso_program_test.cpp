#include "core/machine/iso_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <cstdint>
#include <limits>

#include "core/machine/fake_iso_motion.h"

namespace pistora {
namespace {

// What the machine window loads: its own programs, not a program for another controller.
TEST(LoadMachineProgram, RefusesAnotherDialectAndAMissingFile) {
  const std::string own = ::testing::TempDir() + "own.iso";
  const std::string other = ::testing::TempDir() + "other.iso";
  std::ofstream(own, std::ios::binary) << "(Debut)\r\n%\r\nG00 X1\r\n";
  std::ofstream(other, std::ios::binary) << "(Debut)\r\nG21 G90 G94 G17\r\nG00 X1\r\n";
  std::vector<std::string> lines;
  EXPECT_TRUE(LoadMachineProgram(own, &lines).ok());
  EXPECT_EQ(lines.size(), 3u);
  EXPECT_FALSE(LoadMachineProgram(other, &lines).ok());
  EXPECT_FALSE(LoadMachineProgram(::testing::TempDir() + "absent.iso", &lines).ok());
}

TEST(ParseAxisWords, WordsAreFoundInTheOrderXYZ) {
  struct Row {
    const char* line;
    ToolPosition current;
    ToolPosition expected;
  };
  const Row rows[] = {
      {"G01 X10.5 Y3 Z-0.1", {1, 2, 3}, {10.5, 3, -0.1}},
      {"G01 Y3 X10.5", {1, 2, 3}, {10.5, 2, 3}},  // Y before X is not seen
      {"G00 Z2", {1, 2, 3}, {1, 2, 2}},
      {"G01 Z1 X5 Y6", {1, 2, 3}, {5, 6, 3}},
      {"G01 X Y5", {1, 2, 3}, {0, 5, 3}},         // empty number reads 0
      {"G01 X5 Y", {1, 2, 3}, {5, 0, 3}},
      {"G01 x5 y6 z7", {1, 2, 3}, {1, 2, 3}},     // upper case only
      {"G01 X1 X2 Y3", {0, 0, 0}, {1, 3, 0}},
      {"G01 X-2.54E+01\tY1", {0, 0, 0}, {-25.4, 1, 0}},
      {"G00 X0012.000 Y-0.000 Z2.000", {9, 9, 9}, {12, 0, 2}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    const AxisWords words = ParseAxisWords(row.line, row.current);
    ASSERT_TRUE(words.ok()) << words.failed_letter;
    EXPECT_DOUBLE_EQ(words.target.x, row.expected.x);
    EXPECT_DOUBLE_EQ(words.target.y, row.expected.y);
    EXPECT_DOUBLE_EQ(words.target.z, row.expected.z);
  }
}

TEST(ParseAxisWords, MalformedNumberNamesItsWord) {
  // A number beyond any machine's reach (10 m) is refused like one that does not convert.
  struct Row {
    const char* line;
    char letter;
    const char* text;
    bool beyond_reach;
  };
  for (const Row& row : {Row{"G01 X1,5 Y2", 'X', "1,5", false}, Row{"G01 X5 Y2a Z1", 'Y', "2a", false},
                         Row{"G01 X5 Y2 Z--1", 'Z', "--1", false}, Row{"G01 X1..2 Yq", 'X', "1..2", false},
                         Row{"G00 X1e308 Y0", 'X', "1e308", true}, Row{"G00 X0 Y-10000.001", 'Y', "-10000.001", true},
                         Row{"G01 Z99999", 'Z', "99999", true}}) {
    SCOPED_TRACE(row.line);
    const AxisWords words = ParseAxisWords(row.line, {});
    EXPECT_FALSE(words.ok());
    EXPECT_EQ(words.failed_letter, row.letter);
    EXPECT_EQ(words.failed_text, row.text);
    EXPECT_EQ(words.beyond_reach, row.beyond_reach);
  }
  EXPECT_TRUE(ParseAxisWords("G00 X10000 Y-10000 Z0", {}).ok());
}

TEST(ParseFeedWord, TextAfterTheFirstFMustBeANumber) {
  struct Row {
    const char* line;
    std::optional<int> feed;
  };
  const Row rows[] = {
      {"G01 X5 Y5 F300", 300},
      {"F300 G01 X5", std::nullopt},
      {"F150.5", 150},  // halves to even
      {"F151.5", 152},
      {"F 80 ", 80},
      {"F", std::nullopt},
      {"G00 X1", std::nullopt},
      {"(Fin du programme)", std::nullopt},
      {"F1e12", std::numeric_limits<std::int32_t>::max()},
      {"F-20", -20},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    EXPECT_EQ(ParseFeedWord(row.line), row.feed);
  }
}

TEST(ClassifyIsoLine, ChecksAreIndependent) {
  struct Row {
    const char* line;
    bool feed, g00, g01;
  };
  for (const Row& row : {Row{"G1 X5", false, false, false}, Row{"g01 X5", false, false, false},
                         Row{"G00 G01 X1", false, true, true}, Row{"G01 X5 F300", true, false, true},
                         Row{"M03", false, false, false}, Row{"G000 X1", false, true, false}}) {
    SCOPED_TRACE(row.line);
    const IsoLineKind kind = ClassifyIsoLine(row.line);
    EXPECT_EQ(kind.feed, row.feed);
    EXPECT_EQ(kind.g00, row.g00);
    EXPECT_EQ(kind.g01, row.g01);
  }
}

TEST(RunIsoProgram, MovesFeedsAndShowsEveryLine) {
  const std::vector<std::string> program = {
      "%",           "G00 Z2",      "G01 X5 Y5 F300", "F300 G01 X6", "G1 X9",
      "g01 X9",      "G00 G01 X7",  "G01 Z-0.1 F900", "G01 F0",      "M05",
  };
  FakeIsoMotion motion;
  NullHost host;
  const IsoRunResult result = RunIsoProgram(program, motion, host);
  EXPECT_EQ(result.outcome, IsoRunOutcome::kCompleted);
  const std::vector<ToolPosition> expected = {{0, 0, 2}, {5, 5, 2},    {6, 5, 2},   {7, 5, 2},
                                              {7, 5, 2}, {7, 5, -0.1}, {7, 5, -0.1}};
  EXPECT_EQ(motion.targets, expected);
  // The feed of a line is taken before its move; out-of-range feeds are limited.
  EXPECT_EQ(motion.events, (std::vector<std::string>{"move", "feed 300", "move", "move", "move", "move",
                                                     "feed 600", "move", "feed 1", "move"}));
  ASSERT_EQ(motion.shown.size(), program.size());
  EXPECT_EQ(motion.shown[2], "Exécution instruction : G01 X5 Y5 F300");
  EXPECT_EQ(motion.last_progress, 10);
  EXPECT_EQ(motion.progress_count, 10);
}

TEST(RunIsoProgram, MalformedMoveRefusesTheProgramBeforeAnyMove) {
  FakeIsoMotion motion;
  NullHost host;
  const IsoRunResult result = RunIsoProgram({"G00 Z2", "G01 X1 Y1", "G01 X1,5 Y2", "G01 X3"}, motion, host);
  EXPECT_EQ(result.outcome, IsoRunOutcome::kRefused);
  EXPECT_NE(result.status.message().find("Ligne 3"), std::string::npos) << result.status.message();
  EXPECT_NE(result.status.message().find("1,5"), std::string::npos);
  EXPECT_TRUE(motion.targets.empty());
  // A malformed word on a line that does not move is only shown.
  EXPECT_EQ(RunIsoProgram({"(X1,5)", "M30 Xq"}, motion, host).outcome, IsoRunOutcome::kCompleted);
}

TEST(RunIsoProgram, StopEndsTheRunAtTheNextLine) {
  FakeIsoMotion motion;
  motion.stop_after_moves = 2;
  NullHost host;
  const IsoRunResult result = RunIsoProgram({"G00 Z2", "G01 X1", "G01 X2", "G01 X3"}, motion, host);
  EXPECT_EQ(result.outcome, IsoRunOutcome::kStopped);
  EXPECT_EQ(motion.targets.size(), 2u);
  // Two lines shown, then where the run ended.
  ASSERT_EQ(motion.shown.size(), 3u);
  EXPECT_EQ(motion.shown[2], result.status.message());
  EXPECT_EQ(result.status.message(), "Programme arrêté à la ligne 2 (« G01 X1 ») : machine arrêtée.");

  // Once latched, a further run moves nothing and says so.
  motion.shown.clear();
  const IsoRunResult latched = RunIsoProgram({"G00 Z5"}, motion, host);
  EXPECT_EQ(latched.outcome, IsoRunOutcome::kStopped);
  EXPECT_EQ(motion.targets.size(), 2u);
  EXPECT_NE(latched.status.message().find("avant la ligne 1"), std::string::npos);
}

TEST(AnalyseIsoProgram, ExtentLengthAndTime) {
  const std::vector<std::string> program = {"%", "G00 X0 Y0 Z2", "G01 Z-0.1 F300", "G01 X30 Y40",
                                            "G00 Z2", "M05"};
  NullHost host;
  const std::atomic<bool> stop{false};
  std::vector<std::string> messages;
  const IsoAnalysis a = AnalyseIsoProgram(program, {0, 0, 0}, 150, host, stop,
                                          [&](long line, long count, const std::string& message) {
                                            EXPECT_EQ(count, 6);
                                            EXPECT_EQ(line, static_cast<long>(messages.size()) + 1);
                                            messages.push_back(message);
                                          });
  ASSERT_TRUE(a.status.ok());
  EXPECT_FALSE(a.stopped);
  // Missing words take the previous point, as the machine does: Z-only lines are plunges and
  // lifts, not trips back to the origin: 2 + 2.1 + 50 + 2.1.
  const double expected = 56.2;
  EXPECT_DOUBLE_EQ(a.extent_x, 30);
  EXPECT_DOUBLE_EQ(a.extent_y, 40);
  EXPECT_NEAR(a.length, expected, 1e-9);
  EXPECT_EQ(a.end, (ToolPosition{30, 40, 2}));
  EXPECT_EQ(a.estimated_seconds, std::lround(expected * 60 / 150));
  EXPECT_EQ(messages.at(3), "Analyse instruction : G01 X30 Y40");
}

// The analysis follows the path the run makes, copies and walks included.
TEST(AnalyseIsoProgram, LengthIsThePathTheRunMakes) {
  const std::vector<std::vector<std::string>> programs = {
      {"G00 Z2", "G00 X10 Y0", "G01 Z-0.1", "G01 Y5", "G01 X12", "G00 Z2", "G00 X0 Y0", "G00 Z0"},
      {"G00 X3 Y4 Z1", "G01 Z-0.2", "G01 X-2", "G01 Y9 Z0.5", "G00 Z2"},
      {"G01 Z1", "G00 G01 X4", "M05"}};
  const CopyGrid grids[] = {{1, 1, 0, 0, 5}, {2, 3, 0, 0, 5}, {3, 1, 0, 0, 2.5}};
  NullHost host;
  const bool stop = false;
  for (std::size_t p = 0; p < programs.size(); ++p) {
    const IsoAnalysis a = AnalyseIsoProgram(programs[p], {}, 150, host, stop);
    for (CopyGrid grid : grids) {
      SCOPED_TRACE(::testing::Message() << "program " << p << ", " << grid.copies_x << "x" << grid.copies_y);
      grid.extent_x = a.extent_x;
      grid.extent_y = a.extent_y;
      FakeIsoMotion motion;
      ASSERT_TRUE(RunStartSequence(
          grid, [&] { return RunIsoProgram(programs[p], motion, host).outcome == IsoRunOutcome::kCompleted; },
          motion));
      double path = 0;
      ToolPosition from;  // machine coordinates: each target plus the work zero of its time
      ToolPosition zero;
      std::size_t next_target = 0;
      for (const std::string& event : motion.events) {
        if (event == "zeroX") zero.x = from.x;
        if (event == "zeroY") zero.y = from.y;
        if (event == "zeroZ") zero.z = from.z;
        if (event != "move") continue;
        const ToolPosition& t = motion.targets[next_target++];
        const ToolPosition to{zero.x + t.x, zero.y + t.y, zero.z + t.z};
        path += std::hypot(to.x - from.x, to.y - from.y, to.z - from.z);
        from = to;
      }
      EXPECT_NEAR(StartSequenceLength(grid, a.length, a.end), path, 1e-9);
    }
  }
}

TEST(AnalyseIsoProgram, EdgeFigures) {
  NullHost host;
  const std::atomic<bool> stop{false};
  // All X negative: the size never drops below 0.
  IsoAnalysis a = AnalyseIsoProgram({"G01 X-5 Y-3", "G01 X-1 Y2"}, {}, 150, host, stop);
  EXPECT_DOUBLE_EQ(a.extent_x, 0);
  EXPECT_DOUBLE_EQ(a.extent_y, 2);
  // Time rounds halves to even (5 mm at 120 mm/min is 2.5 s) and is 0 without a feed.
  EXPECT_EQ(AnalyseIsoProgram({"G01 X5"}, {}, 120, host, stop).estimated_seconds, 2);
  EXPECT_EQ(AnalyseIsoProgram({"G01 X5"}, {}, 0, host, stop).estimated_seconds, 0);
  // The start point stands for missing words of the first move; "G00 G01" moves twice.
  a = AnalyseIsoProgram({"G00 G01 Z2"}, {100, 0, 0}, 150, host, stop);
  EXPECT_DOUBLE_EQ(a.extent_x, 100);
  EXPECT_NEAR(a.length, 2, 1e-9);
  // A malformed line is reported with its number and left out of the figures.
  a = AnalyseIsoProgram({"G01 X5", "G01 X9q"}, {}, 150, host, stop);
  EXPECT_NE(a.status.message().find("Ligne 2"), std::string::npos);
  EXPECT_DOUBLE_EQ(a.extent_x, 5);
}

TEST(AnalyseIsoProgram, StopFlagEndsTheReading) {
  std::atomic<bool> stop{false};
  StoppingHost host(stop, 3);
  const IsoAnalysis a = AnalyseIsoProgram({"G01 X1", "G01 X2", "G01 X3", "G01 X4"}, {}, 150, host, stop);
  EXPECT_TRUE(a.stopped);
  EXPECT_DOUBLE_EQ(a.extent_x, 2);
}

TEST(FormatHoursMinutesSeconds, ShowsEveryUnit) {
  const std::pair<long, const char*> rows[] = {{0, "0:00:00"}, {59, "0:00:59"}, {125, "0:02:05"},
                                               {3600, "1:00:00"}, {100000, "27:46:40"}, {-3, "0:00:00"}};
  for (const auto& [seconds, text] : rows) EXPECT_EQ(FormatHoursMinutesSeconds(seconds), text) << seconds;
}

TEST(Repetition, TotalAndFit) {
  EXPECT_DOUBLE_EQ(RepetitionTotal(1, 30, 5), 30);
  EXPECT_DOUBLE_EQ(RepetitionTotal(2, 30, 5), 65);
  EXPECT_DOUBLE_EQ(RepetitionTotal(3, 20, 5), 70);
  EXPECT_TRUE(RepetitionFits(186, 200, 7));
  EXPECT_FALSE(RepetitionFits(186.001, 200, 7));
  EXPECT_TRUE(RepetitionFits(136, 150, 7));
}

// Runs the sequence with a program of one move and records the work zero (in machine
// coordinates) each time the program starts.
std::vector<ToolPosition> CopyOrigins(const CopyGrid& grid, FakeIsoMotion& motion) {
  std::vector<ToolPosition> origins;
  NullHost host;
  EXPECT_TRUE(RunStartSequence(grid, [&] {
    origins.push_back(motion.work_zero);
    return RunIsoProgram({"G01 X1 Y1 Z-0.1"}, motion, host).outcome != IsoRunOutcome::kRefused;
  }, motion));
  return origins;
}

TEST(StartSequence, OneCopyRunsOnceAndReturnsToTheWorkZero) {
  FakeIsoMotion motion;
  EXPECT_EQ(CopyOrigins({.copies_x = 1, .copies_y = 1, .extent_x = 30, .extent_y = 20, .gap = 5}, motion),
            (std::vector<ToolPosition>{{0, 0, 0}}));
  EXPECT_EQ(motion.events, (std::vector<std::string>{"move", "move"}));
  EXPECT_EQ(motion.targets.back(), (ToolPosition{0, 0, 0}));
}

TEST(StartSequence, TwoByTwoCopiesWalkTheWorkZeroAndComeBack) {
  FakeIsoMotion motion;
  const std::vector<ToolPosition> origins =
      CopyOrigins({.copies_x = 2, .copies_y = 2, .extent_x = 30, .extent_y = 20, .gap = 5}, motion);
  EXPECT_EQ(origins, (std::vector<ToolPosition>{{0, 0, 0}, {35, 0, 0}, {0, 25, 0}, {35, 25, 0}}));
  EXPECT_EQ(motion.work_zero, (ToolPosition{0, 0, 0}));
  EXPECT_EQ(motion.machine, (ToolPosition{0, 0, 0}));
  // Every walk lifts to Z 2 before travelling.
  const std::vector<std::string> walk_x = {"move", "move", "zeroX", "move"};
  const std::vector<std::string> expected_tail = {"move", "move", "zeroY", "move", "move", "move", "zeroX", "move"};
  ASSERT_GE(motion.events.size(), expected_tail.size());
  EXPECT_EQ(std::vector<std::string>(motion.events.end() - 8, motion.events.end()), expected_tail);
  EXPECT_EQ(std::vector<std::string>(motion.events.begin() + 2, motion.events.begin() + 6), walk_x);
  EXPECT_EQ(motion.targets[2], (ToolPosition{0, 0, 2}));
  EXPECT_EQ(motion.targets[3], (ToolPosition{35, 0, 2}));
}

TEST(StartSequence, RowOfThreeAndColumnOfTwo) {
  FakeIsoMotion row;
  EXPECT_EQ(CopyOrigins({.copies_x = 3, .copies_y = 1, .extent_x = 10, .extent_y = 20, .gap = 2}, row),
            (std::vector<ToolPosition>{{0, 0, 0}, {12, 0, 0}, {24, 0, 0}}));
  EXPECT_EQ(row.work_zero, (ToolPosition{0, 0, 0}));
  FakeIsoMotion column;
  EXPECT_EQ(CopyOrigins({.copies_x = 1, .copies_y = 2, .extent_x = 10, .extent_y = 20, .gap = 2}, column),
            (std::vector<ToolPosition>{{0, 0, 0}, {0, 22, 0}}));
  EXPECT_EQ(column.work_zero, (ToolPosition{0, 0, 0}));
  EXPECT_EQ(std::count(column.events.begin(), column.events.end(), "zeroX"), 0);
}

TEST(StartSequence, RefusedCopyEndsTheSequenceWhereItStands) {
  FakeIsoMotion motion;
  int runs = 0;
  EXPECT_FALSE(RunStartSequence({.copies_x = 2, .copies_y = 2, .extent_x = 30, .extent_y = 20, .gap = 5},
                                [&] { return ++runs < 2; }, motion));
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(motion.work_zero, (ToolPosition{35, 0, 0}));
}

}  // namespace
}  // namespace pistora
