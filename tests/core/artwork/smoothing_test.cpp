#include "core/artwork/smoothing.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/artwork/path_text.h"

namespace pistora {
namespace {

struct ReplaceCase {
  const char* name;
  const char* text;
  const char* pattern;
  const char* replacement;
  const char* expected;
  int count;
};

TEST(ReplacePattern, FollowsTheAlignedFirstOccurrenceRule) {
  const ReplaceCase cases[] = {
      {"aligned match replaced", "-**-CLOSED", "-**-", "--", "--CLOSED", 1},
      {"first match misaligned stops even with an aligned one after it", "+*+-*+**-*+*", "-*+*", "",
       "+*+-*+**-*+*", 0},
      {"aligned match later in the text", "+*+*-*+*", "-*+*", "", "+*+*", 1},
      {"no match", "+*+*", "----", "", "+*+*", 0},
      {"every aligned occurrence, one after the other", "++--++--", "++--", "", "", 2},
      {"a removal creates a new match before it", "+-+--+-+", "+--+", "", "", 2},
      {"search restarts at the beginning after a replacement", "--+*--+*--", "--+*--", "--*-", "--*-+*--", 1},
      {"zig-zag straightened", "+++-+++-", "+++-", "+*+*", "+*+*+*+*", 2},
  };
  for (const ReplaceCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = c.text;
    EXPECT_EQ(ReplacePattern(text, c.pattern, c.replacement), c.count);
    EXPECT_EQ(text, c.expected);
  }
}

TEST(ReplacePattern, EndsOnPairsThatWouldLoopForever) {
  std::string text = "+*+*+*";
  EXPECT_EQ(ReplacePattern(text, "", "+*"), 0);
  EXPECT_EQ(text, "+*+*+*");
  // A rule that gives back its own pattern: capped instead of looping.
  const int count = ReplacePattern(text, "+*", "+*");
  EXPECT_GT(count, 0);
  EXPECT_LE(count, 2 * 6 + 1);
  EXPECT_EQ(text, "+*+*+*");
}

// Displacement of a text made only of step codes.
Step Displacement(std::string_view codes) {
  Step total;
  for (std::size_t i = 0; i + 1 < codes.size(); i += 2) {
    const std::optional<Step> s = DecodeStep(codes[i], codes[i + 1]);
    if (!s) break;
    total.dx += s->dx;
    total.dy += s->dy;
  }
  return total;
}

std::size_t NonStarCount(std::string_view text) {
  std::size_t n = 0;
  for (char c : text) n += c != '*';
  return n;
}

TEST(SmoothingTable, EveryRowKeepsTheDisplacementAndShrinksTheText) {
  ASSERT_EQ(SmoothingTable().size(), 21u);
  for (const SmoothingRule& rule : SmoothingTable()) {
    SCOPED_TRACE(std::string(rule.pattern));
    const Step from = Displacement(rule.pattern);
    const Step to = Displacement(rule.replacement);
    EXPECT_EQ(from.dx, to.dx);
    EXPECT_EQ(from.dy, to.dy);
    EXPECT_EQ(rule.pattern.size() % 2, 0u);
    EXPECT_EQ(rule.replacement.size() % 2, 0u);
    // The termination measure: length plus non-"*" characters drops by at least 2.
    EXPECT_LE(rule.replacement.size() + NonStarCount(rule.replacement) + 2,
              rule.pattern.size() + NonStarCount(rule.pattern));
  }
}

const char* const kCodes[] = {"+*", "++", "*+", "-+", "-*", "--", "*-", "+-"};

TEST(SmoothContour, KeepsHeadTailAndEndPointOfRandomPaths) {
  std::mt19937 random(20261208);
  for (int trial = 0; trial < 2000; ++trial) {
    std::string codes;
    const int steps = static_cast<int>(random() % 40);
    // Few distinct codes make stairs and spikes frequent.
    const int alphabet = 2 + static_cast<int>(random() % 7);
    for (int s = 0; s < steps; ++s) codes += kCodes[random() % alphabet];
    const std::string tail = "CLOSED Points : " + std::to_string(steps) + "Fin(7,9)";
    ContourTable table;
    table.items.resize(1);
    table[0].PathText = "(7;9)" + codes + tail;
    table[0].PointCount = steps;
    const Contour before = table[0];

    SmoothContour(table, 0);

    const std::string& after = table[0].PathText;
    SCOPED_TRACE(before.PathText + " -> " + after);
    ASSERT_EQ(after.substr(0, 5), "(7;9)");
    ASSERT_GE(after.size(), 5 + tail.size());
    ASSERT_EQ(after.substr(after.size() - tail.size()), tail);
    const std::string new_codes = after.substr(5, after.size() - 5 - tail.size());
    ASSERT_EQ(new_codes.size() % 2, 0u);
    EXPECT_LE(new_codes.size(), codes.size());
    for (std::size_t i = 0; i < new_codes.size(); i += 2) {
      EXPECT_TRUE(DecodeStep(new_codes[i], new_codes[i + 1])) << "not a step code at " << i;
    }
    const Step from = Displacement(codes);
    const Step to = Displacement(new_codes);
    EXPECT_EQ(from.dx, to.dx);
    EXPECT_EQ(from.dy, to.dy);
    Contour rest = table[0];
    rest.PathText = before.PathText;
    EXPECT_EQ(rest, before);  // only the path text changes
  }
}

TEST(SmoothContour, RewritesCornersAndKeepsThePointCountInTheText) {
  const struct {
    const char* before;
    const char* after;
  } cases[] = {
      {"(5;5)-**-CLOSED Points : 2Fin(4,4)", "(5;5)--CLOSED Points : 2Fin(4,4)"},
      // "-*+*" first begins at position 2: row 4 changes nothing, row 6 removes "*+*-".
      {"(1;1)+-*+*-CLOSED Points : 3Fin(2,0)", "(1;1)+-CLOSED Points : 3Fin(2,0)"},
      {"(0;0)+*+**+*+-*-**-*-CLOSED Points : 8Fin(0,0)", "(0;0)+*+**+*+-*--*-CLOSED Points : 8Fin(0,0)"},
      {"(3;4)", "(3;4)"},
      {"no start point +**-", "no start point +**-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    ContourTable table;
    table.items.resize(1);
    table[0].PathText = c.before;
    SmoothContour(table, 0);
    EXPECT_EQ(table[0].PathText, c.after);
  }
  ContourTable table;
  SmoothContour(table, 0);  // outside the table: nothing to do
  SmoothContour(table, -1);
  EXPECT_EQ(table.ContourCount(), 0);
}

TEST(SmoothUsefulContours, SmoothsAndLogsOnlyTracks) {
  Workspace ws;
  const std::string jagged = "(5;5)-**-CLOSED Points : 2Fin(4,4)";
  for (int i = 0; i < 4; ++i) {
    Contour c;
    c.PathText = jagged;
    c.IsPad = i == 1 || i == 3;
    c.IsUseless = i == 2 || i == 3;
    ws.Table.items.push_back(c);
  }
  ws.RunLog.push_back("earlier");
  SmoothUsefulContours(ws);
  EXPECT_EQ(ws.Table[0].PathText, "(5;5)--CLOSED Points : 2Fin(4,4)");
  for (int i = 1; i < 4; ++i) EXPECT_EQ(ws.Table[i].PathText, jagged) << i;
  EXPECT_EQ(ws.RunLog, (std::vector<std::string>{"earlier", "*** Ligne 0 ****"}));
}

}  // namespace
}  // namespace pistora
